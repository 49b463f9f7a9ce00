#include "x11/posix_locale.h"

#include <clocale>

#include "base/text.h"

std::string LocaleDecimalSeparator() {
    std::string separator;
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        separator = point != nullptr ? point : "";
    }
    std::setlocale(LC_NUMERIC, "C");
    // A locale in another character set could give bytes that are not UTF-8.
    return separator.empty() || !IsValidUtf8(separator) ? "." : separator;
}
