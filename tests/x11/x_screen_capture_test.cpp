// GoogleTest first: X defines macros (None, Bool) that its headers use as names.
#include <gtest/gtest.h>

#include "x11/x_screen_capture.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <memory>

#include "raster/cursor_blend.h"
#include "test_screen.h"
#include "x11/x_input_devices.h"

namespace {

// The root window painted with the test pattern, on any server.
class XScreen : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(test_) << "no X server in DISPLAY";
        root_ = RootOf(test_.get());
        PaintPattern(test_.get());
    }

    XDisplay test_ = XDisplay::Open();
    PixelRect root_;
};

bool On(const PixelRect& rect, std::int32_t x, std::int32_t y) {
    return x >= rect.left && y >= rect.top && x < rect.left + rect.width &&
           y < rect.top + rect.height;
}

// Areas across each edge and corner of the screen, wholly beyond it and inside it: a picture of
// the area's size, the screen's pixels where it lies on the screen and black elsewhere. The
// capture keeps the pixels it read, and no others, for the pixel query.
TEST_F(XScreen, AreasAcrossTheEdgesAreBlackBeyondThem) {
    const std::int32_t w = root_.width;
    const std::int32_t h = root_.height;
    const PixelRect areas[] = {
        {-3, 100, 8, 4}, {w - 5, 100, 8, 4},   {300, -2, 4, 6},    {300, h - 4, 4, 6},
        {-2, -3, 5, 5},  {w - 3, h - 2, 6, 6}, {w + 10, 20, 4, 4}, {-20, -20, w + 40, h + 40}};
    XScreenCapture capture(XDisplay::Open());
    for (const PixelRect& area : areas) {
        const std::optional<Picture> picture = capture.CaptureScreenArea(area, false);
        ASSERT_TRUE(picture) << area.left << ", " << area.top;
        EXPECT_EQ((PixelSize{picture->width, picture->height}),
                  (PixelSize{area.width, area.height}));
        EXPECT_EQ(ColorsOf(*picture),
                  PatternOr(area, [&](std::int32_t x, std::int32_t y) { return On(root_, x, y); }))
            << area.left << ", " << area.top;
        for (const ScreenPoint corner :
             {ScreenPoint{area.left, area.top},
              ScreenPoint{area.left + area.width - 1, area.top + area.height - 1}}) {
            EXPECT_EQ(capture.CapturedPixel(corner.x, corner.y),
                      On(root_, corner.x, corner.y) ? std::optional(PatternAt(corner.x, corner.y))
                                                    : std::nullopt);
        }
    }
    EXPECT_EQ(capture.CapturedPixel(-21, 0), std::nullopt);  // not in the last area
    EXPECT_FALSE(capture.CaptureScreenArea({0, 0, 0, 5}, false));
}

TEST_F(XScreen, PixelsOfPointsOnAndOffTheScreen) {
    const std::int32_t w = root_.width;
    const std::int32_t h = root_.height;
    XInputDevices input(XDisplay::Open());
    const ScreenPoint on[] = {{0, 0}, {w - 1, h - 1}, {w / 2, 7}};
    for (const ScreenPoint p : on) {
        EXPECT_EQ(input.ScreenPixel(p.x, p.y), PatternAt(p.x, p.y)) << p.x << ", " << p.y;
    }
    const ScreenPoint off[] = {{-1, 0}, {0, -1}, {w, 5}, {5, h}};
    for (const ScreenPoint p : off) {
        EXPECT_EQ(input.ScreenPixel(p.x, p.y), NoPixel) << p.x << ", " << p.y;
    }
}

// A read past the root fails with BadMatch: that read gives nothing, the program goes on (Xlib's
// own handler would end it), and the next read works. A request whose error comes later is
// caught too.
TEST_F(XScreen, AFailedReadGivesNothingAndTheNextOneWorks) {
    XDisplay own = XDisplay::Open();
    XRootReader reader(own.get());
    EXPECT_FALSE(reader.Read({root_.width - 4, 0, 8, 8}));
    const std::optional<PixelBlock> edge = reader.Read({root_.width - 4, 0, 4, 1});
    ASSERT_TRUE(edge);
    EXPECT_EQ(ColorOfBlockPixel(edge->pixels[3]), PatternAt(root_.width - 1, 0));

    XErrorTrap failing(own.get());
    XMapWindow(own.get(), DefaultRootWindow(own.get()) + 12345);  // no such window
    EXPECT_TRUE(failing.Failed());
    XErrorTrap clean(own.get());
    XNoOp(own.get());
    EXPECT_FALSE(clean.Failed());
}

// A window of ours, blue, whose cursor is 5 x 4 red pixels with the hotspot at (2, 1), under the
// pointer at (150, 160): the cursor is drawn there when asked, where the server has XFixes. The
// pixel under the pointer is kept as it was before the cursor covered it, the others it covers
// are unknown. The window, its cursor and their pixmaps go with the test's connection.
TEST_F(XScreen, TheCursorIsDrawnByItsHotspot) {
    Display* const d = test_.get();
    const Window root = DefaultRootWindow(d);
    const Pixmap shape = XCreatePixmap(d, root, 16, 16, 1);
    GC const shapeGc = XCreateGC(d, shape, 0, nullptr);
    XFillRectangle(d, shape, shapeGc, 0, 0, 16, 16);  // foreground 0 by default
    XSetForeground(d, shapeGc, 1);
    XFillRectangle(d, shape, shapeGc, 0, 0, 5, 4);
    XColor red{};
    red.red = 0xFFFF;
    XColor black{};
    const Cursor cursor = XCreatePixmapCursor(d, shape, shape, &red, &black, 2, 1);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = PixelOf(d, Blue);
    attributes.override_redirect = True;
    attributes.cursor = cursor;
    const Window window =
        XCreateWindow(d, root, 100, 100, 200, 150, 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWBackPixel | CWOverrideRedirect | CWCursor, &attributes);
    XMapRaised(d, window);
    MovePointer(d, 150, 160);
    const bool xfixes = HasExtension(d, "XFIXES");
    if (xfixes) {
        ASSERT_TRUE(WaitFor([d] {
            const std::unique_ptr<XFixesCursorImage, decltype(&XFree)> image(
                XFixesGetCursorImage(d), XFree);
            return image && image->xhot == 2 && image->yhot == 1;
        }));
    }

    XScreenCapture capture(XDisplay::Open());
    const PixelRect area{140, 150, 20, 16};
    const PixelRect drawn{148, 159, 5, 4};
    for (const bool withCursor : {false, true}) {
        const std::optional<Picture> picture = capture.CaptureScreenArea(area, withCursor);
        ASSERT_TRUE(picture);
        EXPECT_EQ(ColorsOf(*picture), PatternOr(
                                          area, [](std::int32_t, std::int32_t) { return true; },
                                          [&](std::int32_t x, std::int32_t y) {
                                              return withCursor && xfixes && On(drawn, x, y) ? Red
                                                                                             : Blue;
                                          }))
            << "with the cursor: " << withCursor;
    }
    EXPECT_EQ(capture.CapturedPixel(150, 160), Blue);
    EXPECT_EQ(capture.CapturedPixel(148, 159), xfixes ? std::nullopt : std::optional(Blue));
    EXPECT_EQ(capture.CapturedPixel(147, 159), Blue);
}

// Two monitors as tests/x11/run.sh starts them: a primary of 1024 x 512 right of a secondary of
// 640 x 480, tops aligned, on a root of 1664 x 512; 640 x 32 below the secondary lie on no monitor.
class XMonitorLayout : public XScreen {
  protected:
    void SetUp() override {
        XScreen::SetUp();
        ASSERT_EQ(root_, (PixelRect{0, 0, 1664, 512})) << "run on the two-monitor server";
    }
    void TearDown() override { Arrange("--output DUMMY0 --pos 640x0 --output DUMMY1 --pos 0x0"); }

    void Arrange(const std::string& positions) {
        ASSERT_EQ(std::system(("xrandr " + positions).c_str()), 0);
        PaintPattern(test_.get());  // the root's pixels may not outlive a new layout
    }
};

TEST_F(XMonitorLayout, BlackBelowTheShorterMonitor) {
    XScreenCapture capture(XDisplay::Open());
    XInputDevices input(XDisplay::Open());
    const PixelRect area{620, 470, 40, 20};
    const std::optional<Picture> picture = capture.CaptureScreenArea(area, false);
    ASSERT_TRUE(picture);
    EXPECT_EQ(ColorsOf(*picture),
              PatternOr(area, [](std::int32_t x, std::int32_t y) { return x >= 640 || y < 480; }));
    EXPECT_EQ(capture.CapturedPixel(630, 490), std::nullopt);
    EXPECT_EQ(input.ScreenPixel(630, 490), NoPixel);
    EXPECT_EQ(input.ScreenPixel(650, 490), PatternAt(650, 490));
}

// The secondary moved right of the primary: the part on no monitor moves with it, at once for a
// capture told that the display changed, within a second for the pixel query.
TEST_F(XMonitorLayout, ANewLayoutTakesEffect) {
    XScreenCapture capture(XDisplay::Open());
    XInputDevices input(XDisplay::Open());
    ASSERT_TRUE(capture.CaptureScreenArea({0, 0, 1, 1}, false));
    ASSERT_EQ(input.ScreenPixel(630, 490), NoPixel);
    Arrange("--output DUMMY0 --pos 0x0 --output DUMMY1 --pos 1024x0");
    capture.DisplayChanged();
    const auto lit = [](std::int32_t x, std::int32_t y) { return x < 1024 || y < 480; };
    for (const PixelRect area : {PixelRect{620, 470, 40, 20}, PixelRect{1010, 470, 40, 20}}) {
        const std::optional<Picture> picture = capture.CaptureScreenArea(area, false);
        ASSERT_TRUE(picture);
        EXPECT_EQ(ColorsOf(*picture), PatternOr(area, lit)) << area.left;
    }
    EXPECT_TRUE(WaitFor([&] {
        return input.ScreenPixel(1030, 500) == NoPixel &&
               input.ScreenPixel(630, 500) == PatternAt(630, 500);
    }));
}

}  // namespace
