#include "core/zoom_selection.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Each selection on one table: the factor it returns (-1: none), the zoom items then checked, and
// the zoom found with the factor it leaves.
TEST(ZoomSelection, WorkedExamples) {
    OptionTable table;
    float found = -1;
    const auto state = [&](std::optional<float> factor) {
        std::ostringstream text;
        text << factor.value_or(-1) << " |";
        for (const OptionItem& item : table.Items()) {
            text << (item.checked && item.index < 7000 ? " " + std::to_string(item.index) : "");
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
