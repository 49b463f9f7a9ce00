#include "window/layout.h"

#include <gtest/gtest.h>

#include <sstream>

#include "doubles/fake_form_window.h"

namespace {

// The user drags the frame to a size in pixels; the window reports the resize at once, and
// again, nested, when the layout enforces the minimum. Then: the size in twips, the number of
// reports, and the measuring line's ends, the second at the inner area's centre (the frame takes
// 120 x 465 twips).
TEST(Layout, KeepsTheMinimumSizeAndEndsTheLineAtTheInnerCentre) {
    // clang-format off
    const struct { TwipsPerPixel twips; float dragWidth, dragHeight; const char* expected; } cases[] = {
        {{15, 15}, 1500, 1500, "1920 x 1500 in 2, line 0,0 900,517.5"},  // 100 x 100 pixels
        {{15, 15}, 3000, 600, "3000 x 960 in 2, line 0,0 1440,247.5"},   // 200 x 40 pixels
        {{15, 15}, 1920, 960, "1920 x 960 in 1, line 0,0 900,247.5"},    // the minimum stays
        {{15, 15}, 750, 450, "1920 x 960 in 3, line 0,0 900,247.5"},     // both at once
        {{12, 20}, 1200, 1000, "1536 x 1280 in 3, line 0,0 708,407.5"}}; // each its own factor
    // clang-format on
    for (const auto& c : cases) {
        FakeFormWindow form;
        LineShape LA{700, -300, 0, 0, false};
        form.onResize = [&] { Form_Resize(form, c.twips, LA); };
        form.Move(0, 0, c.dragWidth, c.dragHeight);
        std::ostringstream state;
        state << form.width << " x " << form.height << " in " << form.resizeReports << ", line "
              << LA.X1 << "," << LA.Y1 << " " << LA.X2 << "," << LA.Y2
              << (LA.Visible ? " shown" : "");
        EXPECT_EQ(state.str(), c.expected);
    }
}

}  // namespace
