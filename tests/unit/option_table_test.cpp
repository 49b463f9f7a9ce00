#include "core/option_table.h"

#include <gtest/gtest.h>

#include <set>

#include "core/zoom_selection.h"

namespace {

std::set<int> CheckedItems(const OptionTable& table) {
    std::set<int> checked;
    for (const OptionItem& item : table.Items()) {
        if (item.checked) {
            checked.insert(item.index);
        }
    }
    return checked;
}

TEST(OptionTable, HoldsTheMenuInOrderWithItsCreationState) {
    const OptionTable table;
    const std::vector<int> order{10,   25,   50,   75,   90,   100,  200,  400,  800,
                                 1600, 7000, 7010, 7020, 7030, 7035, 7040, 7050, 7060,
                                 7065, 7070, 7075, 8000, 8010, 8020, 9000, 9990, 9999};
    ASSERT_EQ(table.Items().size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(table.Items()[i].index, order[i]) << "position " << i;
    }
    EXPECT_EQ(CheckedItems(table), (std::set<int>{100, 7010, 7020, 7030, 7035, 7040, 8010}));
    EXPECT_EQ(table.Caption(200), "&Zoom 200%");
    EXPECT_EQ(table.Caption(7010), "Auto &refresh @ %ms");
    EXPECT_EQ(table.Caption(7075), "Show CMY&K color values");
    EXPECT_EQ(table.Caption(9990), "A&bout ...");
    EXPECT_EQ(table.Caption(8000), "-");
}

TEST(OptionTable, MissingIndexesAreUncheckedAndCannotBeChanged) {
    OptionTable table;
    EXPECT_FALSE(table.IsOptionChecked(11));
    EXPECT_FALSE(table.ToggleOption(11));
    EXPECT_FALSE(table.SetChecked(11, true));
    EXPECT_FALSE(table.IsOptionChecked(11));
    EXPECT_EQ(table.Items().size(), 27u);
}

TEST(OptionTable, ToggleTwiceRestoresTheOption) {
    OptionTable table;
    ASSERT_TRUE(table.ToggleOption(Item::ShowCoordinates));
    EXPECT_TRUE(table.IsOptionChecked(Item::ShowCoordinates));
    ASSERT_TRUE(table.ToggleOption(Item::ShowCoordinates));
    EXPECT_FALSE(table.IsOptionChecked(Item::ShowCoordinates));
}

TEST(ZoomSelection, SelectingAZoomUnchecksTheOthersAndSetsTheFactor) {
    OptionTable table;
    ASSERT_EQ(CheckZoomItem(table, 100), 1.0f);
    const auto factor = CheckZoomItem(table, 400);
    ASSERT_TRUE(factor.has_value());
    EXPECT_EQ(*factor, 4.0f);
    EXPECT_FALSE(table.IsOptionChecked(100));
    EXPECT_TRUE(table.IsOptionChecked(400));
}

TEST(ZoomSelection, BelowOneClearsEveryZoomAndLeavesOptionsAlone) {
    for (const std::int16_t zoom : {std::int16_t{0}, std::int16_t{-5}}) {
        OptionTable table;
        EXPECT_FALSE(CheckZoomItem(table, zoom).has_value());
        EXPECT_EQ(CheckedItems(table), (std::set<int>{7010, 7020, 7030, 7035, 7040, 8010}));
    }
}

TEST(ZoomSelection, AZoomThatIsNoItemStillSetsTheFactor) {
    OptionTable table;
    const auto factor = CheckZoomItem(table, 150);
    ASSERT_TRUE(factor.has_value());
    EXPECT_EQ(*factor, 1.5f);
    float zoomFactor = 1.5f;
    EXPECT_EQ(FindCheckedZoom(table, zoomFactor), 0);
    EXPECT_EQ(zoomFactor, 1.5f);
}

TEST(ZoomSelection, FindCheckedZoomTakesTheHighestIndex) {
    OptionTable table;
    CheckZoomItem(table, 0);
    table.SetChecked(800, true);
    table.SetChecked(25, true);
    float zoomFactor = 0;
    EXPECT_EQ(FindCheckedZoom(table, zoomFactor), 800);
    EXPECT_EQ(zoomFactor, 8.0f);
}

TEST(ZoomSelection, FactorIsTheIndexOverAHundredInSinglePrecision) {
    EXPECT_EQ(ZoomFactorOf(10), 0.1f);
    EXPECT_EQ(ZoomFactorOf(75), 0.75f);
    EXPECT_EQ(ZoomFactorOf(1600), 16.0f);
}

}  // namespace
