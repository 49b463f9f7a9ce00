#include "shell/locale_language.h"

#include <string>
#include <string_view>

#include "base/text.h"

namespace {

std::string_view Value(const VariableLookup& variable, const char* name) {
    const char* value = variable(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

// The C library's own locale: messages stay untranslated, and LANGUAGE is not looked at.
bool IsPlainC(std::string_view locale) {
    return locale.empty() || locale == "C" || locale.substr(0, 2) == "C." || locale == "POSIX";
}

// "de", "en" or anything else, from the first two letters in any case.
std::string LanguageCode(std::string_view name) {
    return AsciiLower(std::string(name.substr(0, 2)));
}

}  // namespace

UiLanguage UiLanguageFromLocale(const VariableLookup& variable) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = Value(variable, name);
        if (!locale.empty()) {
            break;
        }
    }
    if (IsPlainC(locale)) {
        return UiLanguage::English;
    }
    std::string_view preferences = Value(variable, "LANGUAGE");
    while (!preferences.empty()) {
        const auto colon = preferences.find(':');
        const std::string code = LanguageCode(preferences.substr(0, colon));
        if (code == "de" || code == "en") {
            return code == "de" ? UiLanguage::German : UiLanguage::English;
        }
        preferences =
            colon == std::string_view::npos ? std::string_view() : preferences.substr(colon + 1);
    }
    return LanguageCode(locale) == "de" ? UiLanguage::German : UiLanguage::English;
}
