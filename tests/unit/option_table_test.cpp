#include "core/option_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/menu_entries.h"
#include "core/zoom_selection.h"

namespace {

// The popup menu as shown: the items in order, "-" for a separator, [index] for a check mark.
TEST(OptionTable, TheMenuAtCreation) {
    OptionTable table;
    table.SetChecked(Item::About, true);  // a command shows no mark whatever its state
    std::string menu;
    for (const MenuEntry& entry : MenuEntriesOf(table)) {
        const std::string index = std::to_string(entry.index);
        menu += entry.separator ? "- " : entry.checked ? "[" + index + "] " : index + " ";
        EXPECT_EQ(entry.caption, table.Caption(entry.index));
    }
    EXPECT_EQ(menu,
              "10 25 50 75 90 [100] 200 400 800 1600 - [7010] [7020] [7030] [7035] [7040] 7050 "
              "7060 7065 7070 7075 - [8010] 8020 - 9990 9999 ");
    EXPECT_EQ(table.Caption(200) + "|" + table.Caption(7010) + "|" + table.Caption(7075) + "|" +
                  table.Caption(9990),
              "&Zoom 200%|Auto &refresh @ %ms|Show CMY&K color values|A&bout ...");
}

TEST(OptionTable, ToggleTwiceAndMissingIndexes) {
    OptionTable table;
    EXPECT_TRUE(table.ToggleOption(7050) && table.IsOptionChecked(7050));
    EXPECT_TRUE(table.ToggleOption(7050) && !table.IsOptionChecked(7050));
    EXPECT_FALSE(table.ToggleOption(11) || table.SetChecked(11, true) || table.IsOptionChecked(11));
}

// Selects the zooms in turn, then checks `extra` by hand. Then: the factor of the last selection
// (-1: none), the items checked (+) and unchecked (-) against a new table, and the zoom found
// with its factor (-1: left as it was).
TEST(ZoomSelection, WorkedExamples) {
    const struct {
        std::vector<std::int16_t> selected, extra;
        const char* expected;
    } cases[] = {
        {{100, 400}, {}, "4 | -100 +400 | 400 4"},
        {{0}, {}, "-1 | -100 | 0 -1"},
        {{-5}, {}, "-1 | -100 | 0 -1"},
        {{150}, {}, "1.5 | -100 | 0 -1"},                // no item, still a factor
        {{0}, {800, 25}, "-1 | +25 -100 +800 | 800 8"},  // the highest wins
    };
    const OptionTable fresh;
    for (const auto& [selected, extra, expected] : cases) {
        OptionTable table;
        std::optional<float> factor;
        for (const std::int16_t zoom : selected) {
            factor = CheckZoomItem(table, zoom);
        }
        for (const std::int16_t index : extra) {
            table.SetChecked(index, true);
        }
        std::ostringstream state;
        state << factor.value_or(-1) << " |";
        for (std::size_t i = 0; i < fresh.Items().size(); ++i) {
            const OptionItem& item = table.Items()[i];
            if (item.checked != fresh.Items()[i].checked) {
                state << (item.checked ? " +" : " -") << item.index;
            }
        }
        float zoomFactor = -1;
        state << " | " << FindCheckedZoom(table, zoomFactor) << " " << zoomFactor;
        EXPECT_EQ(state.str(), expected);
    }
}

}  // namespace
