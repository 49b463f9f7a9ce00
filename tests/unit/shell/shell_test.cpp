#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "doubles/fake_system.h"
#include "shell/desktop_autostart.h"
#include "shell/desktop_entry.h"
#include "shell/language.h"
#include "shell/locale_language.h"
#include "shell/settings.h"
#include "shell/settings_file.h"
#include "shell/settings_file_store.h"
#include "shell/user_files.h"
#include "shell/version_text.h"

namespace {

TEST(DecodeNumber, ReadsTheLongestNumberPrefixIgnoringBlanks) {
    // clang-format off
    const struct { std::string text; double value; } cases[] = {
        {"1", 1}, {"1.0", 1}, {"01", 1}, {" 1", 1}, {"1 2", 12}, {"\t-1\n", -1}, {"+7", 7}, {"150.5", 150.5},
        {".5", 0.5}, {"5.", 5}, {"1e2", 100}, {"1E+2x", 100}, {"2.5D1", 25}, {"1e", 1}, {"12abc", 12},
        {"word", 0}, {"", 0}, {"-", 0}, {".", 0}, {"1,5", 1}, {"&H10", 16}, {"&hff", 255}, {"&HFFFF", -1},
        {"&H10000", 65536}, {"&O17", 15}, {"&X1", 0}, {"&HC8", 200}, {"&H", 0}, {"1e309", 0}, {"-5", -5},
        {"99999999999", 99999999999.0}, {"7" + std::string(99999, ' '), 7}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeNumber(c.text), c.value) << '"' << c.text.substr(0, 20) << '"';
    }
}

TEST(Settings, TheStoredZoomRoundsHalvesToEvenAndFallsBackOutsideTheZooms) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {{"150.5", 150}, {"250.5", 250}, {"200.7", 201},
        {"1999", 1999}, {"0.4", 200}, {"word", 200}, {"-3", 200}, {"2000", 200}};
    // clang-format on
    for (const auto& [stored, zoom] : cases) {
        FakeSettingsStore store;
        store.values["Set.Zoom"] = stored;
        EXPECT_EQ(ReadZoom(store), zoom) << stored;
    }
}

TEST(Settings, WrittenInOrderAndInCanonicalForm) {
    EXPECT_EQ(SettingText(32) + " " + SettingText(150.5) + " " + SettingText(-7) + " " +
                  SettingText(1.0 / 3),
              "32 150.5 -7 0.333333333333333");
    EXPECT_EQ(DecodeNumber(SettingText(1.0 / 3)), 0.333333333333333);

    // Read where only three values are stored, and written back: the first run's values for the
    // rest, in the order they are written.
    FakeSettingsStore store;
    store.values = {
        {"Window.Height", "200.5"}, {"Set.ShowLines", "-1"}, {"Set.ShowColorsCMY", "1.0"}};
    OptionTable options;
    const StoredWindowRect window = ReadWindowAndFlags(store, options);
    const std::int16_t zoom = ReadZoom(store);
    store.log.clear();
    WriteSettings(store, window, zoom, options);
    EXPECT_EQ(store.log,
              (std::vector<std::string>{
                  "Window.Top=32", "Window.Left=32", "Window.Width=128", "Window.Height=200.5",
                  "Set.Zoom=200", "Set.AutoRefresh=1", "Set.FollowMouse=1", "Set.FollowText=1",
                  "Set.ShowCursor=1", "Set.ShowLines=0", "Set.ShowCoordinates=1",
                  "Set.ShowColorsHex=1", "Set.ShowColorsDec=1", "Set.ShowColorsCMY=1",
                  "Set.ShowColorsCMYK=0", "Window.OnTop=1", "commit"}));
}

TEST(SettingsFile, ReadForgivingly) {
    // clang-format off
    const std::pair<std::string, std::map<std::string, std::string>> cases[] = {
        {"", {}},
        {"\xEF\xBB\xBF[Magnifier]\r\nSet.Zoom=300\r\nWindow.Top=7\r\n", {{"Set.Zoom", "300"}, {"Window.Top", "7"}}},
        {"[Magnifier]\nSet.Zoom=300\nSet.Zoom=400", {{"Set.Zoom", "400"}}},  // the last counts
        // Only inside [Magnifier], wherever and however often it stands.
        {"Set.Zoom=3\n[Other]\nWindow.Top=5\n[ Magnifier ]\nWindow.Left=7\n[magnifier]\nSet.Zoom=9\n"
         "[Magnifier]\nWindow.Top=1", {{"Window.Left", "7"}, {"Window.Top", "1"}}},
        {"[Magnifier]\ngarbage\n=5\nSet.Unknown=1\n# Set.Zoom=9\n; Set.Zoom=8\n  Window.Top = 12 \t\n"
         "\x01\xFF\nSet.ShowLines=\n[Magnifier\nSet.FollowText=0=1\n",
         {{"Window.Top", "12"}, {"Set.ShowLines", ""}, {"Set.FollowText", "0=1"}}},
    };
    // clang-format on
    for (const auto& [text, values] : cases) {
        EXPECT_EQ(ParseSettingsFile(text), values) << text;
    }
}

TEST(SettingsFile, LivesUnderTheUsersConfigFolder) {
    // XDG_CONFIG_HOME and HOME (nullptr: not set), and where the settings file is.
    // clang-format off
    const struct { const char *xdg, *home, *settings; } cases[] = {
        {"/cfg", "/home/u", "/cfg/zedez/settings.ini"}, {nullptr, "/home/u", "/home/u/.config/zedez/settings.ini"},
        {"", "/home/u/", "/home/u/.config/zedez/settings.ini"}, {"cfg", "/", "/.config/zedez/settings.ini"},
        {nullptr, nullptr, ""}, {"", "home", ""}};
    // clang-format on
    for (const auto& c : cases) {
        const std::string home =
            ConfigHome([&](std::string_view name) { return name == "HOME" ? c.home : c.xdg; });
        EXPECT_EQ(SettingsFilePath(home), c.settings) << c.settings;
    }
    EXPECT_EQ(AutostartFilePath(""), "");  // its name: the native scenario 50-shell
}

// Program paths that need quoting, the Exec line each gets, and that it names the same program.
TEST(DesktopEntry, ExecNamesThisProgramWhateverItsPath) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/My Tools/zedez", R"("/opt/My Tools/zedez")"}, {R"(/a"b)", R"("/a\\"b")"},
        {R"(/a\b\\c)", R"("/a\\\\b\\\\\\\\c")"}, {"/a$HOME/z`id`", R"("/a\\$HOME/z\\`id\\`")"},
        {"/100%/%u", R"("/100%%/%%u")"}, {"/a'b;c&d|e(f)g*h?i#j~k<l>m=n", R"("/a'b;c&d|e(f)g*h?i#j~k<l>m=n")"},
        {"/tab\there/new\nline\r", R"("/tab\there/new\nline\r")"}, {"/x/ \\s ", R"("/x/ \\\\s ")"},
        {"/j\xC3\xBCrgen", "\"/j\xC3\xBCrgen\""}};
    // clang-format on
    for (const auto& [path, exec] : cases) {
        const std::optional<std::string> text = DesktopEntryText(path);
        EXPECT_NE(text.value_or("").find("\nExec=" + exec + "\n"), std::string::npos) << path;
        EXPECT_TRUE(EntryNamesProgram(text, path)) << path;
    }
    EXPECT_EQ(DesktopEntryText("/usr/bin/zedez"),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Ridoduvuzi Zedez\n"
              "Name[de]=Zezovirure Vova\nComment=Screen magnifier\nComment[de]=Bildschirmlupe\n"
              "TryExec=/usr/bin/zedez\nExec=\"/usr/bin/zedez\"\nTerminal=false\n");
    for (const std::string path :
         {"", "zedez", "/a\x01z", "/a\x7Fz", "/bad\xFF", "/cut\xC3", "/\xC0\xAF", "/\xE0\x80\xAF",
          "/\xED\xA0\x80", "/\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(DesktopEntryText(path)) << path;  // no entry can start these
    }
}

// Entries as other tools write them: what they start, and whether they are turned off.
TEST(DesktopEntry, ReadAsOtherToolsWriteIt) {
    const std::string group = "[Desktop Entry]\n";
    // clang-format off
    const struct { std::string text, program; bool hidden; } cases[] = {
        {group + "Exec=/usr/bin/zedez --flag %U\n", "/usr/bin/zedez", false},
        {"\xEF\xBB\xBF[Desktop Entry]\r\nExec = \"/a b/z\" %U \r\nHidden=true\r\n", "/a b/z", true},
        {group + R"(Exec="/a\sb\$c")", "/a b$c", false}, {group + R"(Exec=/a%%b\\c)", R"(/a%b\c)", false},
        {group + "Exec=\"/never closed\n", "", false}, {group + "Exec=\n", "", false},
        {group + "Exec=/x\n[Desktop Action a]\nExec=/y\nHidden=true\n", "/x", false},
        {"Exec=/x\nHidden=true\n", "", false}};
    // clang-format on
    for (const auto& c : cases) {
        const DesktopEntry entry = ReadDesktopEntry(c.text);
        EXPECT_TRUE(entry.program == c.program && entry.hidden == c.hidden) << c.text;
    }
}

// The marks at start and after a click as the autostart file (nothing: none) gives them; the entry
// written once, unchecking removing that file alone, the marks following the file when refused.
TEST(DesktopAutostart, TheMarksFollowTheFileWrittenOnceAndRemovedAlone) {
    const auto entry = [](const std::string& rest) { return "[Desktop Entry]\nExec=" + rest; };
    // clang-format off
    const struct { std::optional<std::string> text; bool atStart, afterClick; } cases[] = {
        {std::nullopt, false, false}, {entry("\"/opt/zedez\""), true, true},
        {entry("/opt/zedez\nHidden=true"), false, false},
        {entry("/usr/bin/zedez"), true, false},  // another copy counts at start
        {entry("/empty"), false, false}, {entry("/missing"), false, false},
        {entry("\"/opt/zedez"), false, false}, {"[Desktop Entry]\nType=Application\n", false, false}};
    // clang-format on
    for (const auto& c : cases) {
        FakeTextFiles files;
        files.files = {{"/opt/zedez", "binary"}, {"/usr/bin/zedez", "other"}, {"/empty", ""}};
        if (c.text) {
            files.files["/a/zedez.desktop"] = *c.text;
        }
        DesktopAutostart autostart(files, "/opt/zedez", "/a/zedez.desktop");
        EXPECT_EQ(autostart.NamesAnExistingFile(), c.atStart) << "row " << &c - cases;
        EXPECT_EQ(autostart.NamesThisProgram(), c.afterClick) << "row " << &c - cases;
    }
    EXPECT_FALSE(EntryNamesProgram(entry(""), ""));
    FakeTextFiles files;
    files.files = {{"/opt/zedez", "binary"}, {"/a/other.desktop", entry("/bin/true\n")}};
    DesktopAutostart autostart(files, "/opt/zedez", "/a/zedez.desktop");
    autostart.Register();
    autostart.Register();
    EXPECT_EQ(files.replaces, 1);
    EXPECT_EQ(files.files["/a/zedez.desktop"], DesktopEntryText("/opt/zedez"));
    EXPECT_TRUE(autostart.NamesAnExistingFile() && autostart.NamesThisProgram());
    autostart.Unregister();
    EXPECT_EQ(files.files.size(), 2u);  // the program and the other entry stay
    EXPECT_FALSE(autostart.NamesAnExistingFile() || autostart.NamesThisProgram());
    files.refuse = true;
    autostart.Register();
    EXPECT_FALSE(autostart.NamesThisProgram());
}

constexpr const char* Settings = "/home/u/.config/zedez/settings.ini";

// Read once, at the first value asked for; written whole, in the order written, at the commit; a
// refused write keeps the old file and says why, naming the file.
TEST(SettingsFileStore, ReadOnceWrittenWholeAndAFailureSaid) {
    FakeTextFiles files;
    files.files[Settings] = "[Magnifier]\nSet.Zoom=400\nWindow.Left=7\n";
    std::ostringstream errors;
    SettingsFileStore store(files, Settings, errors);
    EXPECT_EQ(store.Read("Set.Zoom"), "400");
    EXPECT_EQ(store.Read("Window.Top"), std::nullopt);
    EXPECT_EQ(files.reads, 1);
    store.Write("Window.Top", "9");
    store.Write("Set.Zoom", "200");
    store.Write("Window.Top", "10");  // written again: its place stays
    store.Write("Set.ShowLines", "");
    store.Commit();
    const std::string written = "[Magnifier]\nWindow.Top=10\nSet.Zoom=200\nSet.ShowLines=\n";
    EXPECT_EQ(files.files[Settings], written);
    files.refuse = true;
    store.Commit();
    EXPECT_EQ(files.files[Settings], written);
    EXPECT_EQ(errors.str(), std::string("zedez: the settings could not be stored in ") + Settings +
                                ": Read-only file system\n");
}

// The captions and the title in each language, with a caption this system gives of its own.
TEST(Language, CaptionsAndTitleInEachLanguage) {
    const std::pair<int, std::string> ownAutorun{Item::Autorun, "&Autostart bei der Anmeldung"};
    // clang-format off
    const std::string german = "Zezovirure Vova|Ak&tualisiere alle 250ms|&Vergr\xC3\xB6\xC3\x9F"
                               "erung 200%|&\xC3\x9C" "ber ...|CYM&K Farbwerte anzeigen|";
    const struct { UserLocale locale; std::string shown; } cases[] = {
        {{UiLanguage::English, ".", {}}, "Ridoduvuzi Zedez|Auto &refresh @ 250ms|&Zoom 200%|"
                                         "A&bout ...|Show CMY&K color values|&Autorun at startup|-"},
        {{UiLanguage::German, ",", {}}, german + "&Autostart mit Windows|-"},
        {{UiLanguage::German, ",", {ownAutorun}}, german + "&Autostart bei der Anmeldung|-"}};
    // clang-format on
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
        {1, 10, 0, "1.10"}, {1, 5, 0, "1.05"}, {2, 10, 3, "2.10.3"}, {1, 1, 26, "1.01.26"}, {1, 1, 27, "1.01"},
        {1, 0, 1001, "1.00 Alpha 1"}, {1, 1, 1000, "1.01 Alpha"}, {1, 1, 1999, "1.01 Alpha 999"},
        {1, 1, 100, "1.01 Beta"}, {1, 1, 199, "1.01 Beta 99"}, {1, 1, 200, "1.01"}, {3, 2, 2000, "3.02 Beta"},
        {1, 1, 2999, "1.01 Beta 999"}, {1, 1, 3000, "1.01"}, {1, 1, 255, "1.01\xC3\x9F"},
        {1, 1, 9999, "1.01\xC3\x9F"}, {4, 7, 300, "4.07"}, {1, 123, 0, "1.23"}, {1, 100, 0, "1.00"},
        {1, 0, -1, "1.00"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(VersionText(c.major, c.minor, c.revision), c.text) << c.revision;
    }
}

}  // namespace
