#include "core/option_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/menu_entries.h"
#include "core/zoom_selection.h"

namespace {

// The popup menu as shown: the items in order, "-" for a separator, [index] for a check mark; as
// created but for 7050 toggled twice and 7060 once. Indexes that address no item change nothing.
TEST(OptionTable, TheMenuAfterToggles) {
    OptionTable table;
    EXPECT_TRUE(table.ToggleOption(Item::ShowCoordinates) &&
                table.ToggleOption(Item::ShowCoordinates) &&
                table.ToggleOption(Item::ShowColorsHex));
    EXPECT_FALSE(table.ToggleOption(11) || table.SetChecked(11, true) || table.IsOptionChecked(11));
    table.SetChecked(Item::About, true);  // a command shows no mark whatever its state
    std::string menu;
    for (const MenuEntry& entry : MenuEntriesOf(table)) {
        const std::string index = std::to_string(entry.index);
        menu += entry.separator ? "- " : entry.checked ? "[" + index + "] " : index + " ";
        EXPECT_EQ(entry.caption, table.Caption(entry.index));
    }
    EXPECT_EQ(menu,
              "10 25 50 75 90 [100] 200 400 800 1600 - [7010] [7020] [7030] [7035] [7040] 7050 "
              "[7060] 7065 7070 7075 - [8010] 8020 - 9990 9999 ");
}

// Each selection on one table: the factor it returns (-1: none), the zoom items then checked, and
// the zoom found with the factor it leaves.
TEST(ZoomSelection, WorkedExamples) {
    OptionTable table;
    float found = -1;
    const auto state = [&](std::optional<float> factor) {
        std::ostringstream text;
        text << factor.value_or(-1) << " |";
        for (const OptionItem& item : table.Items()) {
            text << (item.checked && item.index <= Item::LastZoom ? " " + std::to_string(item.index)
                                                                  : "");
        }
        text << " | " << FindCheckedZoom(table, found) << " " << found;
        return text.str();
    };
    EXPECT_EQ(state(CheckZoomItem(table, 400)), "4 | 400 | 400 4");
    EXPECT_EQ(state(CheckZoomItem(table, 0)), "-1 | | 0 4");  // the factor stays
    EXPECT_EQ(state(CheckZoomItem(table, -5)), "-1 | | 0 4");
    EXPECT_EQ(state(CheckZoomItem(table, 150)), "1.5 | | 0 4");  // no item, still a factor
    table.SetChecked(800, true);
    table.SetChecked(25, true);
    EXPECT_EQ(state({}), "-1 | 25 800 | 800 8");  // the highest wins
}

}  // namespace
