#include <gtest/gtest.h>

#include "app/language.h"
#include "app/version_text.h"
#include "doubles/fake_system.h"
#include "window/about.h"

namespace {

TEST(VersionText, MinorAlwaysTwoDigitsAndTheRevisionPicksTheStage) {
    struct Case {
        std::int16_t major, minor, revision;
        const char* text;
    } const cases[] = {
        {1, 10, 0, "1.10"},
        {1, 5, 0, "1.05"},
        {2, 10, 3, "2.10.3"},
        {1, 0, 1001, "1.00 Alpha 1"},
        {3, 2, 2000, "3.02 Beta"},
        {1, 1, 255, "1.01\xC3\x9F"},
        {4, 7, 300, "4.07"},
        {1, 1, 26, "1.01.26"},
        {1, 1, 27, "1.01"},
        {1, 1, 100, "1.01 Beta"},
        {1, 1, 199, "1.01 Beta 99"},
        {1, 1, 200, "1.01"},
        {1, 1, 1000, "1.01 Alpha"},
        {1, 1, 1999, "1.01 Alpha 999"},
        {1, 1, 2999, "1.01 Beta 999"},
        {1, 1, 3000, "1.01"},
        {1, 1, 9999, "1.01\xC3\x9F"},
        {1, 123, 0, "1.23"},
        {1, 100, 0, "1.00"},
        {1, 1, -1, "1.01"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.text) << c.revision;
    }
    EXPECT_EQ(GetVersionText(), "1.10");
}

TEST(About, TextLaidOutLineByLine) {
    EXPECT_EQ(AboutText("Ridoduvuzi Zedez", "1.10", "2026.09.13"),
              "Korvane Ridoduvuzi Zedez     \r\n"
              "Version 1.10  [2026.09.13]     \r\n\r\n"
              "Copyright \xC2\xA9 2026 Korvane     \r\n\r\n"
              "Homepage:          \r\n"
              "eMail:                   \r\n\r\n"
              "This program is freeware.     \r\n\r\n");
    EXPECT_EQ(AboutTitle("A&bout ..."), " About ...");
    EXPECT_EQ(AboutTitle("&\xC3\x9C"
                         "ber ..."),
              " \xC3\x9C"
              "ber ...");
}

TEST(Language, FirstNonEmptySourceDecidesAndOnlyDeIsGerman) {
    const std::string intl = "Control Panel\\International";
    struct Case {
        const char* user;
        const char* defaultUser;
        const char* accept;
        bool german;
    } const cases[] = {
        {"de-AT", "en-US", "en", true},       {"", "", "en-US,de;q=0.5", false},
        {nullptr, nullptr, "de-DE,en", true}, {" DE", nullptr, nullptr, true},
        {"d", "de-DE", nullptr, false},       {nullptr, "de-CH", nullptr, true},
        {nullptr, nullptr, nullptr, false},
    };
    for (const Case& c : cases) {
        FakeRegistry registry;
        if (c.user != nullptr) {
            registry.values[FakeRegistry::Key(Hive::CurrentUser, intl, "LocaleName")] = c.user;
        }
        if (c.defaultUser != nullptr) {
            registry.values[FakeRegistry::Key(Hive::Users, ".DEFAULT\\" + intl, "LocaleName")] =
                c.defaultUser;
        }
        if (c.accept != nullptr) {
            registry.values[FakeRegistry::Key(
                Hive::CurrentUser, "Software\\Microsoft\\Internet Explorer\\International",
                "AcceptLanguage")] = c.accept;
        }
        OptionTable options;
        std::string title = AppTitleEnglish;
        ApplyLanguage(Lng(registry), options, title, 250);
        EXPECT_EQ(title, c.german ? AppTitleGerman : AppTitleEnglish) << c.user;
    }
}

TEST(Language, CaptionsInBothLanguagesStayPutWhenAppliedTwice) {
    for (const bool german : {false, true}) {
        OptionTable options;
        std::string title = AppTitleEnglish;
        for (int run = 0; run < 2; ++run) {
            ApplyLanguage(german ? "de-DE" : "en-US", options, title, 250);
        }
        if (german) {
            EXPECT_EQ(options.Caption(Item::AutoRefresh), "Ak&tualisiere alle 250ms");
            EXPECT_EQ(options.Caption(200),
                      "&Vergr\xC3\xB6\xC3\x9F"
                      "erung 200%");
            EXPECT_EQ(options.Caption(10),
                      "Vergr\xC3\xB6\xC3\x9F"
                      "erung 10%");
            EXPECT_EQ(options.Caption(Item::About),
                      "&\xC3\x9C"
                      "ber ...");
            EXPECT_EQ(options.Caption(Item::ShowColorsCMYK), "CYM&K Farbwerte anzeigen");
            EXPECT_EQ(options.Caption(7000), "-");
        } else {
            EXPECT_EQ(options.Caption(Item::AutoRefresh), "Auto &refresh @ 250ms");
            EXPECT_EQ(options.Caption(200), "&Zoom 200%");
            EXPECT_EQ(options.Caption(Item::About), "A&bout ...");
        }
    }
}

}  // namespace
