#include "shell/settings.h"

#include <gtest/gtest.h>

#include "doubles/fake_system.h"

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

}  // namespace
