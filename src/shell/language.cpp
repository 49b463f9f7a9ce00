#include "shell/language.h"

#include <array>

#include "base/text.h"

namespace {

constexpr const char* ZoomGerman =
    "Vergr\xC3\xB6\xC3\x9F"
    "erung";

bool IsGerman(const std::string& languageText) {
    return AsciiLower(Trimmed(languageText).substr(0, 2)) == "de";
}

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

std::string UserLanguage(Registry& registry) {
    std::string text;
    for (const LanguageSource& source : LanguageSources) {
        text = registry.ReadString(source.hive, source.key, source.name).value_or("");
        if (!text.empty()) {
            break;
        }
    }
    return text;
}

void ApplyLanguageTexts(const std::string& languageText, OptionTable& options,
                        std::string& appTitle, int refreshIntervalMs) {
    if (IsGerman(languageText)) {
        appTitle = AppTitleGerman;
        for (const OptionRow& row : OptionRows) {
            if (row.kind == ItemKind::Zoom) {
                options.SetCaption(row.index,
                                   ReplaceAll(options.Caption(row.index), "Zoom", ZoomGerman));
            } else if (!row.german.empty()) {
                options.SetCaption(row.index, std::string(row.german));
            }
        }
    }
    options.SetCaption(Item::AutoRefresh, ReplaceAll(options.Caption(Item::AutoRefresh), "%",
                                                     std::to_string(refreshIntervalMs)));
}
