#include "win32/user_locale.h"

#include <windows.h>

#include <iterator>

#include "win32/text_conversion.h"

std::string UserDecimalSeparator() {
    wchar_t separator[16] = {};  // Windows allows at most three characters
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                                       static_cast<int>(std::size(separator)));
    if (length <= 1) {  // failed, or only the terminating null
        return ".";
    }
    const std::string utf8 = Narrow(std::wstring(separator, static_cast<std::size_t>(length - 1)));
    return utf8.empty() ? "." : utf8;
}
