#include <gtest/gtest.h>

#include "app/language.h"
#include "app/version_text.h"
#include "doubles/fake_system.h"

namespace {

TEST(VersionText, MinorAlwaysTwoDigitsAndTheRevisionPicksTheStage) {
    const struct {
        std::int16_t major, minor, revision;
        const char* text;
    } cases[] = {
        {1, 10, 0, "1.10"},
        {1, 5, 0, "1.05"},
        {2, 10, 3, "2.10.3"},
        {1, 1, 26, "1.01.26"},
        {1, 1, 27, "1.01"},
        {1, 0, 1001, "1.00 Alpha 1"},
        {1, 1, 1000, "1.01 Alpha"},
        {1, 1, 1999, "1.01 Alpha 999"},
        {1, 1, 100, "1.01 Beta"},
        {1, 1, 199, "1.01 Beta 99"},
        {1, 1, 200, "1.01"},
        {3, 2, 2000, "3.02 Beta"},
        {1, 1, 2999, "1.01 Beta 999"},
        {1, 1, 3000, "1.01"},
        {1, 1, 255, "1.01\xC3\x9F"},
        {1, 1, 9999, "1.01\xC3\x9F"},
        {4, 7, 300, "4.07"},
        {1, 123, 0, "1.23"},
        {1, 100, 0, "1.00"},
        {1, 0, -1, "1.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.text) << c.revision;
    }
    EXPECT_EQ(GetVersionText(), "1.10");
}

TEST(Language, FirstNonEmptySourceDecidesAndOnlyDeIsGerman) {
    const std::string intl = "Control Panel\\International";
    const std::string browser = "Software\\Microsoft\\Internet Explorer\\International";
    const struct {
        const char *user, *defaultUser, *accept;
        bool german;
    } cases[] = {
        {"de-AT", "en-US", "en", true},       {"", "", "en-US,de;q=0.5", false},
        {nullptr, nullptr, "de-DE,en", true}, {" DE", nullptr, nullptr, true},
        {"d", "de-DE", nullptr, false},       {nullptr, "de-CH", nullptr, true},
        {nullptr, nullptr, nullptr, false},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        const auto set = [&](Hive hive, const std::string& key, const char* name, const char* v) {
            if (v != nullptr) {
                registry.values[FakeRegistry::Key(hive, key, name)] = v;
            }
        };
        set(Hive::CurrentUser, intl, "LocaleName", c.user);
        set(Hive::Users, ".DEFAULT\\" + intl, "LocaleName", c.defaultUser);
        set(Hive::CurrentUser, browser, "AcceptLanguage", c.accept);
        OptionTable options;
        std::string title = AppTitleEnglish;
        for (int run = 0; run < 2; ++run) {  // a second run changes nothing
            ApplyLanguage(Lng(registry), options, title, 250);
        }
        EXPECT_EQ(title, c.german ? AppTitleGerman : AppTitleEnglish) << c.user;
        EXPECT_EQ(options.Caption(Item::AutoRefresh),
                  c.german ? "Ak&tualisiere alle 250ms" : "Auto &refresh @ 250ms");
        EXPECT_EQ(options.Caption(200), c.german ? "&Vergr\xC3\xB6\xC3\x9F"
                                                   "erung 200%"
                                                 : "&Zoom 200%");
        EXPECT_EQ(options.Caption(Item::About), c.german ? "&\xC3\x9C"
                                                           "ber ..."
                                                         : "A&bout ...");
        EXPECT_EQ(options.Caption(Item::ShowColorsCMYK),
                  c.german ? "CYM&K Farbwerte anzeigen" : "Show CMY&K color values");
        EXPECT_EQ(options.Caption(7000), "-");
    }
}

}  // namespace
