#include "window/layout.h"

#include <gtest/gtest.h>

#include "doubles/fake_form_window.h"

namespace {

// The user drags the frame to a size in pixels; the window reports the resize at once, and
// again, nested, when the layout enforces the minimum.
TEST(Layout, KeepsTheMinimumSizeAndEndsTheLineAtTheInnerCentre) {
    struct Case {
        TwipsPerPixel twips;
        float dragWidth, dragHeight, width, height;  // twips
        int reports;
    } const cases[] = {
        {{15, 15}, 1500, 1500, 1920, 1500, 2},         // 100 x 100 pixels: width snaps to 128
        {{15, 15}, 3000, 600, 3000, 960, 2},           // 200 x 40 pixels: height snaps to 64
        {{15, 15}, 1920, 960, 1920, 960, 1},           // the minimum itself stays
        {{15, 15}, 750, 450, 1920, 960, 3},            // both at once
        {{12, 20}, 1200, 1000, 12 * 128, 20 * 64, 3},  // 100 x 50 pixels: each its own factor
    };
    for (const Case& c : cases) {
        FakeFormWindow form;
        LineShape LA{700, -300, 0, 0, false};
        form.onResize = [&] { Form_Resize(form, c.twips, LA); };
        form.Move(0, 0, c.dragWidth, c.dragHeight);
        EXPECT_EQ(form.width, c.width) << c.dragWidth;
        EXPECT_EQ(form.height, c.height) << c.dragHeight;
        EXPECT_EQ(form.resizeReports, c.reports) << c.dragWidth;
        EXPECT_EQ(LA, (LineShape{0, 0, (c.width - form.frameWidth) / 2,
                                 (c.height - form.frameHeight) / 2, false}));
    }
}

}  // namespace
