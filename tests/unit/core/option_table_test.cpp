#include "core/option_table.h"

#include <gtest/gtest.h>

#include "core/menu_entries.h"

namespace {

// The popup menu as shown: the items in order, "-" for a separator, [index] for a check mark; as
// created but for 7050 toggled twice and 7060 once. Indexes that address no item change nothing.
TEST(OptionTable, TheMenuAfterToggles) {
    OptionTable table;
    EXPECT_TRUE(table.ToggleOption(7050) && table.ToggleOption(7050) && table.ToggleOption(7060));
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

}  // namespace
