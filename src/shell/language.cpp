#include "shell/language.h"

#include <array>
#include <cstdint>

#include "base/text.h"

namespace {

struct GermanCaption {
    std::int16_t index;
    const char* caption;
};

constexpr std::array<GermanCaption, 14> GermanCaptions{{
    {Item::AutoRefresh, "Ak&tualisiere alle %ms"},
    {Item::FollowMouse, "Dem &Maus-Cursor folgen"},
    {Item::FollowText, "Dem &Text-Cursor folgen"},
    {Item::ShowMouseCursor, "Maus-&Cursor anzeigen"},
    {Item::ShowLines, "&Mittellinien anzeigen"},
    {Item::ShowCoordinates, "K&oordinaten anzeigen"},
    {Item::ShowColorsHex, "RGB Farbwerte anzeigen (&Hex)"},
    {Item::ShowColorsDec, "RGB Farbwerte anzeigen (&Dez)"},
    {Item::ShowColorsCMY, "C&YM Farbwerte anzeigen"},
    {Item::ShowColorsCMYK, "CYM&K Farbwerte anzeigen"},
    {Item::OnTop, "Fenster im &Vordergrund"},
    {Item::Autorun, "&Autostart mit Windows"},
    {Item::About,
     "&\xC3\x9C"
     "ber ..."},
    {Item::Close, "Be&enden"},
}};

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
        text = RegReadString(registry, source.hive, source.key, source.name, "");
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
        for (const OptionItem& item : options.Items()) {
            if (item.index >= Item::FirstZoom && item.index <= Item::LastZoom) {
                options.SetCaption(item.index, ReplaceAll(item.caption, "Zoom", ZoomGerman));
            }
        }
        for (const GermanCaption& german : GermanCaptions) {
            options.SetCaption(german.index, german.caption);
        }
    }
    options.SetCaption(Item::AutoRefresh, ReplaceAll(options.Caption(Item::AutoRefresh), "%",
                                                     std::to_string(refreshIntervalMs)));
}
