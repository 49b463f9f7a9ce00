#include "shell/language.h"

#include <gtest/gtest.h>

#include "shell/locale_language.h"
#include "shell/version_text.h"

namespace {

// The captions and the title in each language, with a caption this system gives of its own.
TEST(Language, CaptionsAndTitleInEachLanguage) {
    const std::pair<int, std::string> ownAutorun{Item::Autorun, "&Autostart bei der Anmeldung"};
    const struct {
        UserLocale locale;
        const char* shown;
    } cases[] = {
        {{UiLanguage::English, ".", {}},
         "Ridoduvuzi Zedez|Auto &refresh @ 250ms|&Zoom 200%|A&bout ...|Show CMY&K color "
         "values|&Autorun at startup|-"},
        {{UiLanguage::German, ",", {}},
         "Zezovirure Vova|Ak&tualisiere alle 250ms|&Vergr\xC3\xB6\xC3\x9F"
         "erung 200%|&\xC3\x9C"
         "ber ...|CYM&K Farbwerte anzeigen|&Autostart mit Windows|-"},
        {{UiLanguage::German, ",", {ownAutorun}},
         "Zezovirure Vova|Ak&tualisiere alle 250ms|&Vergr\xC3\xB6\xC3\x9F"
         "erung 200%|&\xC3\x9C"
         "ber ...|CYM&K Farbwerte anzeigen|&Autostart bei der Anmeldung|-"},
    };
    for (const auto& c : cases) {
        OptionTable options;
        std::string shown = AppTitleEnglish;
        for (int run = 0; run < 2; ++run) {  // a second run changes nothing
            ApplyLanguageTexts(c.locale, options, shown, 250);
        }
        for (const int item : {Item::AutoRefresh, 200, Item::About, Item::ShowColorsCMYK,
                               Item::Autorun, Item::OptionsSeparator}) {
            shown += "|" + options.Caption(item);
        }
        EXPECT_EQ(shown, c.shown);
    }
}

// LC_ALL, LC_MESSAGES, LANG, LANGUAGE (nullptr: not set) and whether the menu speaks German.
TEST(Language, FromTheLocaleOnLinux) {
    // clang-format off
    const struct { const char *lcAll, *lcMessages, *lang, *language; bool german; } cases[] = {
        {nullptr, nullptr, "de_DE.UTF-8", nullptr, true}, {nullptr, nullptr, "en_US.UTF-8", "", false},
        {"", "de_AT", "en_GB", nullptr, true}, {"fr_FR", "de_DE", nullptr, nullptr, false},
        {"DE_CH", nullptr, nullptr, nullptr, true}, {nullptr, nullptr, "d", nullptr, false},
        // The first of de and en in LANGUAGE, else the locale's own.
        {nullptr, nullptr, "fr_FR", "fr:de_DE:en", true}, {nullptr, nullptr, "de_DE", "fr:en_GB:de", false},
        {nullptr, nullptr, "de_DE", "fr:it", true}, {nullptr, nullptr, "en_US", ":de", true},
        // The C library's own locales ignore LANGUAGE.
        {"C", nullptr, "de_DE", "de", false}, {"C.UTF-8", nullptr, nullptr, "de", false},
        {nullptr, "POSIX", "de_DE", "de", false}, {nullptr, nullptr, nullptr, "de", false}};
    // clang-format on
    for (const auto& c : cases) {
        const UiLanguage language = UiLanguageFromLocale([&](std::string_view name) {
            return name == "LC_ALL"     ? c.lcAll
                   : name == "LANG"     ? c.lang
                   : name == "LANGUAGE" ? c.language
                                        : c.lcMessages;
        });
        EXPECT_EQ(language, c.german ? UiLanguage::German : UiLanguage::English)
            << "row " << &c - cases;
    }
}

TEST(VersionText, MinorAlwaysTwoDigitsAndTheRevisionPicksTheStage) {
    // clang-format off
    const struct { int major, minor, revision; const char* text; } cases[] = {
        {1, 10, 0, "1.10"}, {1, 5, 0, "1.05"}, {2, 10, 3, "2.10.3"}, {1, 1, 26, "1.01.26"},
        {1, 1, 27, "1.01"}, {1, 0, 1001, "1.00 Alpha 1"}, {1, 1, 1000, "1.01 Alpha"},
        {1, 1, 1999, "1.01 Alpha 999"}, {1, 1, 100, "1.01 Beta"}, {1, 1, 199, "1.01 Beta 99"},
        {1, 1, 200, "1.01"}, {3, 2, 2000, "3.02 Beta"}, {1, 1, 2999, "1.01 Beta 999"},
        {1, 1, 3000, "1.01"}, {1, 1, 255, "1.01\xC3\x9F"}, {1, 1, 9999, "1.01\xC3\x9F"},
        {4, 7, 300, "4.07"}, {1, 123, 0, "1.23"}, {1, 100, 0, "1.00"}, {1, 0, -1, "1.00"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.text) << c.revision;
    }
}

}  // namespace
