#include "app/settings.h"

#include <gtest/gtest.h>

#include <set>

#include "doubles/memory_settings_store.h"

namespace {

TEST(DecodeNumber, ReadsTheLongestNumberPrefixIgnoringBlanks) {
    struct Case {
        const char* text;
        double value;
    } const cases[] = {
        {"1", 1},       {"1.0", 1},     {"01", 1},        {" 1", 1},          {"1 2", 12},
        {"\t-1\n", -1}, {"+7", 7},      {"150.5", 150.5}, {".5", 0.5},        {"5.", 5},
        {"1e2", 100},   {"1E+2x", 100}, {"2.5D1", 25},    {"1e", 1},          {"12abc", 12},
        {"word", 0},    {"", 0},        {"-", 0},         {".", 0},           {"1,5", 1},
        {"&H10", 16},   {"&hff", 255},  {"&HFFFF", -1},   {"&H10000", 65536}, {"&O17", 15},
        {"&X1", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(Settings, AnEmptyStoreGivesTheFirstRunDefaults) {
    MemorySettingsStore store;
    OptionTable options;
    ReadFlags(store, options);
    std::set<int> checked;
    for (const OptionItem& item : options.Items()) {
        if (item.checked && item.index >= 7000) {
            checked.insert(item.index);
        }
    }
    EXPECT_EQ(checked, (std::set<int>{7010, 7020, 7030, 7035, 7040, 7050, 7060, 7065, 8010}));
    const StoredWindowRect rect = ReadWindowRect(store);
    EXPECT_EQ(rect.left, 32);
    EXPECT_EQ(rect.top, 32);
    EXPECT_EQ(rect.width, 128);
    EXPECT_EQ(rect.height, 128);
    EXPECT_EQ(ReadZoom(store), 200);
}

TEST(Settings, AFlagIsOnExactlyWhenItsNumberIsOne) {
    struct Case {
        const char* stored;
        bool checked;
    } const cases[] = {{"1", true},  {"1.0", true},  {"01", true}, {" 1", true}, {"-1", false},
                       {"2", false}, {"yes", false}, {"", false},  {"0", false}};
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.Set("Set.ShowLines", c.stored);
        OptionTable options;
        ReadFlags(store, options);
        EXPECT_EQ(options.IsOptionChecked(Item::ShowLines), c.checked) << '"' << c.stored << '"';
    }
}

TEST(Settings, TheStoredZoomIsRoundedHalvesToEven) {
    struct Case {
        const char* stored;
        std::int16_t zoom;
    } const cases[] = {{"150.5", 150}, {"250.5", 250}, {"200.7", 201}, {"word", 0},
                       {"400", 400},   {"-3", -3},     {"40000", 0},   {"1e300", 0}};
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.Set("Set.Zoom", c.stored);
        EXPECT_EQ(ReadZoom(store), c.zoom) << '"' << c.stored << '"';
    }
}

TEST(Settings, KeysKeepTheirStoredNames) {
    MemorySettingsStore store;
    store.values["Korvane-Software/Magnifier/Window.Left"] = "100";
    store.values["Korvane-Software/Magnifier/Window.Top"] = "50";
    store.values["Korvane-Software/Magnifier/Window.Width"] = "300";
    store.values["Korvane-Software/Magnifier/Window.Height"] = "200.5";
    store.values["Korvane-Software/Magnifier/Set.ShowColorsCMYK"] = "1";
    store.values["Korvane-Software/Magnifier/Window.OnTop"] = "0";
    const StoredWindowRect rect = ReadWindowRect(store);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.width, 300);
    EXPECT_EQ(rect.height, 200.5);
    OptionTable options;
    ReadFlags(store, options);
    EXPECT_TRUE(options.IsOptionChecked(Item::ShowColorsCMYK));
    EXPECT_FALSE(options.IsOptionChecked(Item::OnTop));
}

}  // namespace
