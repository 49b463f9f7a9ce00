#include "win32/registry_language.h"

#include <array>
#include <string>

#include "base/text.h"

namespace {

struct LanguageSource {
    Hive hive;
    const char* key;
    const char* name;
};

// In order of preference.
constexpr std::array<LanguageSource, 3> LanguageSources{{
    {Hive::CurrentUser, "Control Panel\\International", "LocaleName"},
    {Hive::Users, ".DEFAULT\\Control Panel\\International", "LocaleName"},
    {Hive::CurrentUser, "Software\\Microsoft\\Internet Explorer\\International", "AcceptLanguage"},
}};

}  // namespace

UiLanguage RegistryLanguage(RegistryTexts& registry) {
    std::string text;
    for (const LanguageSource& source : LanguageSources) {
        text = registry.ReadString(source.hive, source.key, source.name).value_or("");
        if (!text.empty()) {
            break;
        }
    }
    return AsciiLower(Trimmed(text).substr(0, 2)) == "de" ? UiLanguage::German
                                                          : UiLanguage::English;
}
