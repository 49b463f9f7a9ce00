#include "shell/language.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"

namespace {

// The three sources in order: the user's locale, the default user's, the browser's languages.
TEST(Language, FirstNonEmptySourceDecidesAndOnlyDeIsGerman) {
    const std::string intl = "Control Panel\\International";
    const std::string keys[] = {
        FakeRegistry::Key(Hive::CurrentUser, intl, "LocaleName"),
        FakeRegistry::Key(Hive::Users, ".DEFAULT\\" + intl, "LocaleName"),
        FakeRegistry::Key(Hive::CurrentUser,
                          "Software\\Microsoft\\Internet Explorer\\International",
                          "AcceptLanguage")};
    // clang-format off
    const struct { const char* sources[3]; bool german; } cases[] = {
        {{"de-AT", "en-US", "en"}, true}, {{"", "", "en-US,de;q=0.5"}, false},
        {{nullptr, nullptr, "de-DE,en"}, true}, {{" DE", nullptr, nullptr}, true},
        {{"d", "de-DE", nullptr}, false}, {{nullptr, "de-CH", nullptr}, true},
        {{nullptr, nullptr, nullptr}, false}};
    // clang-format on
    for (const auto& c : cases) {
        FakeRegistry registry;
        for (int i = 0; i < 3; ++i) {
            if (c.sources[i] != nullptr) {
                registry.values[keys[i]] = c.sources[i];
            }
        }
        OptionTable options;
        std::string shown = AppTitleEnglish;
        for (int run = 0; run < 2; ++run) {  // a second run changes nothing
            ApplyLanguageTexts(UserLanguage(registry), options, shown, 250);
        }
        for (const std::int16_t item : {Item::AutoRefresh, std::int16_t{200}, Item::About,
                                        Item::ShowColorsCMYK, Item::OptionsSeparator}) {
            shown += "|" + options.Caption(item);
        }
        EXPECT_EQ(shown, std::string(c.german ? AppTitleGerman : AppTitleEnglish) +
                             (c.german ? "|Ak&tualisiere alle 250ms|&Vergr\xC3\xB6\xC3\x9F"
                                         "erung 200%|&\xC3\x9C"
                                         "ber ...|CYM&K Farbwerte anzeigen|-"
                                       : "|Auto &refresh @ 250ms|&Zoom 200%|A&bout ...|Show "
                                         "CMY&K color values|-"))
            << c.german;
    }
}

}  // namespace
