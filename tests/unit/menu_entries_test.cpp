#include "core/menu_entries.h"

#include <gtest/gtest.h>

#include "core/zoom_selection.h"

namespace {

TEST(MenuEntries, FollowTheTableInOrderWithItsCheckMarks) {
    OptionTable table;
    CheckZoomItem(table, 400);
    table.ToggleOption(Item::ShowCoordinates);
    table.SetChecked(Item::About, true);  // a command shows no mark whatever its state

    const std::vector<MenuEntry> entries = MenuEntriesOf(table);
    ASSERT_EQ(entries.size(), table.Items().size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const OptionItem& item = table.Items()[i];
        EXPECT_EQ(entries[i].index, item.index);
        EXPECT_EQ(entries[i].caption, item.caption);
        EXPECT_EQ(entries[i].separator, item.caption == "-") << item.index;
    }
    const auto entry = [&](std::int16_t index) {
        for (const MenuEntry& e : entries) {
            if (e.index == index) {
                return e;
            }
        }
        ADD_FAILURE() << "no entry " << index;
        return MenuEntry{};
    };
    EXPECT_TRUE(entry(400).checked);
    EXPECT_FALSE(entry(100).checked);
    EXPECT_TRUE(entry(Item::ShowCoordinates).checked);
    EXPECT_TRUE(entry(Item::OnTop).checked);
    EXPECT_FALSE(entry(Item::About).checked);
}

}  // namespace
