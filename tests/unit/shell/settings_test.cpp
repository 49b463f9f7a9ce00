#include "shell/settings.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "shell/settings_file.h"
#include "shell/user_files.h"

namespace {

TEST(DecodeNumber, ReadsTheLongestNumberPrefixIgnoringBlanks) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        // clang-format off
        {"1", 1}, {"1.0", 1}, {"01", 1}, {" 1", 1}, {"1 2", 12}, {"\t-1\n", -1}, {"+7", 7},
        {"150.5", 150.5}, {".5", 0.5}, {"5.", 5}, {"1e2", 100}, {"1E+2x", 100}, {"2.5D1", 25},
        {"1e", 1}, {"12abc", 12}, {"word", 0}, {"", 0}, {"-", 0}, {".", 0}, {"1,5", 1},
        {"&H10", 16}, {"&hff", 255}, {"&HFFFF", -1}, {"&H10000", 65536}, {"&O17", 15},
        {"&X1", 0}, {"&HC8", 200}, {"&H", 0}, {"1e309", 0}, {"-5", -5},
        {"99999999999", 99999999999.0}, {"7" + std::string(99999, ' '), 7},
        // clang-format on
    };
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
    EXPECT_EQ(AutostartFilePath("/cfg"), "/cfg/autostart/zedez.desktop");
    EXPECT_EQ(AutostartFilePath(""), "");
}

}  // namespace
