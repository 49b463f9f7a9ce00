#include "app/view_renderer.h"

#include <gtest/gtest.h>

#include "doubles/fake_form_window.h"
#include "doubles/fake_screen_capture.h"

namespace {

constexpr StretchMode CoC = StretchMode::Blocks, Avg = StretchMode::Average;

// The view, twips per pixel, focus and zoom, whether the capture fails; then what is captured
// (width 0: nothing) and the picture shown (width 0: none).
struct Case {
    const char* name;
    PixelSize client;
    std::int32_t twips;
    ScreenPoint focus;
    float zoom;
    int failCapture;
    PixelRect captured;
    int width, height;
    StretchMode mode;
};

TEST(RenderView, CapturesAroundTheFocusScalesAndShows) {
    // clang-format off
    const Case cases[] = {
        {"zoom 2", {300, 200}, 15, {500, 400}, 2, 0, {425, 350, 150, 100}, 300, 200, CoC},
        {"zoom 0.1", {300, 200}, 15, {500, 400}, 0.1f, 0, {-1000, -600, 3000, 2000}, 300, 200, Avg},
        {"zoom 16", {300, 200}, 15, {500, 400}, 16, 0, {491, 394, 19, 13}, 304, 208, CoC},
        // Left -7.5 twips keeps its half (pixel 0, even); top -7.5 rounds to -8 twips (pixel -1).
        {"halves", {4, 4}, 15, {0, 0}, 4, 0, {0, -1, 1, 1}, 4, 4, CoC},
        // At one twip a pixel: top -501.25, width 1000.5 and height 1002.5 go to the even
        // neighbour, and a picture of 2.5 pixels to 2.
        {"halves to even", {4002, 4010}, 1, {0, 0}, 4, 0, {-500, -501, 1000, 1002},
         4000, 4008, CoC},
        {"picture to even", {3, 3}, 1, {0, 0}, 2.5f, 0, {-1, -1, 1, 1}, 2, 2, CoC},
        {"zero", {300, 200}, 15, {500, 400}, 0, 0, {-149500, -99600, 300000, 200000},
         300, 200, Avg},
        {"capture fails", {300, 200}, 15, {500, 400}, 2, 1, {425, 350, 150, 100}, 0, 0, CoC},
        {"empty view", {0, 200}, 15, {500, 400}, 2, 0, {}, 0, 0, CoC},
        // 15 twips high at 1600% captures one twip, a fifteenth of a pixel.
        {"no pixel", {300, 1}, 15, {500, 400}, 16, 0, {}, 0, 0, CoC},
        {"beyond int32", {300, 200}, 15, {143165577, 0}, 2, 0, {}, 0, 0, CoC},
    };
    // clang-format on
    bool cursor = false;
    for (const Case& c : cases) {
        FakeFormWindow form;
        form.client = c.client;
        FakeScreenCapture screen;
        screen.failCapture = c.failCapture != 0;
        cursor = !cursor;
        RenderFocusArea(form, screen, c.focus, c.zoom, c.twips, cursor);

        SCOPED_TRACE(c.name);
        using Calls = std::vector<FakeScreenCapture::CaptureCall>;
        EXPECT_EQ(screen.captures, (c.captured.width > 0 ? Calls{{c.captured, cursor}} : Calls{}));
        using Shown = FakeFormWindow::ShownPicture;
        const Shown expected{c.captured.width, c.captured.height, c.width, c.height, c.mode};
        EXPECT_EQ(form.picture ? *form.picture : Shown{}, c.width > 0 ? expected : Shown{});
        EXPECT_EQ(form.pictureChanges, c.width > 0 ? 1 : 0);
    }
}

}  // namespace
