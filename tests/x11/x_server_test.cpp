// GoogleTest first: X defines macros (None, Bool) that it uses as names.
#include <gtest/gtest.h>

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "raster/cursor_blend.h"
#include "wait_for.h"
#include "x11/x_input_devices.h"
#include "x11/x_screen_capture.h"

namespace {

// Held for the whole run: a server resets, refusing connections, when its last client leaves.
const XDisplay heldConnection = XDisplay::Open();

constexpr Color Red = Rgb(255, 0, 0), Blue = Rgb(0, 0, 255);

// The seven colours of channels 0 and 255 but black, which every depth holds exactly, each pixel
// unlike its eight neighbours.
Color PatternAt(std::int32_t x, std::int32_t y) {
    const int k = ((x + 3 * y) % 7 + 7) % 7 + 1;
    return Rgb(k & 1 ? 255 : 0, k & 2 ? 255 : 0, k & 4 ? 255 : 0);
}

unsigned long PixelOf(Display* d, Color color) {
    const Visual* v = DefaultVisual(d, DefaultScreen(d));
    return (color.red != 0 ? v->red_mask : 0) | (color.green != 0 ? v->green_mask : 0) |
           (color.blue != 0 ? v->blue_mask : 0);
}

// Paints the root window with the pattern; its rectangle.
PixelRect PaintPattern(Display* d) {
    XWindowAttributes root{};
    XGetWindowAttributes(d, DefaultRootWindow(d), &root);
    XImage* const image =
        XGetImage(d, DefaultRootWindow(d), 0, 0, root.width, root.height, AllPlanes, ZPixmap);
    for (int y = 0; y < root.height; ++y) {
        for (int x = 0; x < root.width; ++x) {
            XPutPixel(image, x, y, PixelOf(d, PatternAt(x, y)));
        }
    }
    XPutImage(d, DefaultRootWindow(d), DefaultGC(d, DefaultScreen(d)), image, 0, 0, 0, 0,
              root.width, root.height);
    XDestroyImage(image);
    XSync(d, False);
    return {0, 0, root.width, root.height};
}

bool Inside(const PixelRect& r, std::int32_t x, std::int32_t y) {
    return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height;
}

// An area's colours row by row as `colorAt` gives them, black where it gives none; or those of a
// capture, black off the screen (none when it failed).
using ColorAt = std::function<std::optional<Color>(int, int)>;
std::vector<Color> ColorsOf(const PixelRect& area, const ColorAt& colorAt) {
    std::vector<Color> colors;
    for (std::int32_t y = area.top; y < area.top + area.height; ++y) {
        for (std::int32_t x = area.left; x < area.left + area.width; ++x) {
            colors.push_back(colorAt(x, y).value_or(Color{}));
        }
    }
    return colors;
}
std::vector<Color> ColorsOf(const std::optional<Picture>& captured) {
    const Picture p = captured.value_or(Picture{});
    const PixelRect& on = p.onScreen;
    return ColorsOf({0, 0, p.width, p.height}, [&](int x, int y) {
        const std::size_t at = (y - on.top) * p.pixels.stride + x - on.left;
        return Inside(on, x, y) ? std::optional(ColorOfPixel(p.pixels.pixels[at])) : std::nullopt;
    });
}

// The root window painted with the test pattern.
class XScreen : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(test_) << "no X server in DISPLAY";
        root_ = PaintPattern(test_.get());
    }

    XDisplay test_ = XDisplay::Open();
    PixelRect root_;
};

// Areas across each edge and two corners, beyond and around the screen, black off it; the capture
// tells only the pixels it read, the pixel query only those on the screen.
TEST_F(XScreen, AreasAcrossTheEdgesAreBlackBeyondThem) {
    const std::int32_t w = root_.width, h = root_.height;
    const auto screen = [this](int x, int y) {
        return Inside(root_, x, y) ? std::optional(PatternAt(x, y)) : std::nullopt;
    };
    XScreenCapture capture(XDisplay::Open());
    XInputDevices input(XDisplay::Open());
    for (const PixelRect& area :
         {PixelRect{-3, 100, 8, 4}, PixelRect{w - 5, 100, 8, 4}, PixelRect{300, -2, 4, 6},
          PixelRect{300, h - 4, 4, 6}, PixelRect{-2, -3, 5, 5}, PixelRect{w - 3, h - 2, 6, 7},
          PixelRect{w + 10, 20, 4, 4}, PixelRect{-2, -2, w + 4, h + 4}}) {
        EXPECT_EQ(ColorsOf(capture.CaptureScreenArea(area, false)), ColorsOf(area, screen))
            << area.left << ", " << area.top;
        const ScreenPoint corner{area.left + area.width - 1, area.top};
        EXPECT_EQ(capture.CapturedPixel(corner.x, corner.y), screen(corner.x, corner.y));
        EXPECT_EQ(input.ScreenPixel(corner.x, corner.y), screen(corner.x, corner.y));
    }
    EXPECT_EQ(capture.CapturedPixel(-3, 0), std::nullopt);  // outside the last area
}

// A read past the root fails (BadMatch) without ending the program, as Xlib's own handler would;
// the next read works. An error that comes after its request returned is caught too.
TEST_F(XScreen, AFailedReadGivesNothingAndTheNextOneWorks) {
    XDisplay own = XDisplay::Open();
    XRootReader reader(own.get());
    EXPECT_FALSE(reader.Read({root_.width - 4, 0, 8, 8}));
    const std::optional<PixelBlock> edge = reader.Read({root_.width - 4, 0, 4, 1});
    ASSERT_TRUE(edge);
    EXPECT_EQ(ColorOfPixel(edge->pixels[3]), PatternAt(root_.width - 1, 0));
    int opcode, event, error;
    EXPECT_EQ(reader.SharesMemory(),
              XQueryExtension(own.get(), "MIT-SHM", &opcode, &event, &error));

    XErrorTrap failing(own.get());
    XMapWindow(own.get(), DefaultRootWindow(own.get()) + 12345);  // no such window
    EXPECT_TRUE(failing.Failed());
    XErrorTrap clean(own.get());
    XNoOp(own.get());
    EXPECT_FALSE(clean.Failed());
}

// Under the pointer at (150, 160) a blue window whose cursor is 5 x 4 red pixels, hotspot (2, 1):
// drawn when asked; the pixel under the hotspot told as it was before, the others not at all.
TEST_F(XScreen, TheCursorIsDrawnByItsHotspot) {
    Display* const d = test_.get();
    static const char rows[] = {0x1F, 0, 0x1F, 0, 0x1F, 0, 0x1F, 0};  // 16 x 4, five bits a row
    const Pixmap shape = XCreateBitmapFromData(d, DefaultRootWindow(d), rows, 16, 4);
    XColor red{0, 0xFFFF, 0, 0, 0, 0}, black{};
    const Window window =
        XCreateSimpleWindow(d, DefaultRootWindow(d), 100, 100, 200, 150, 0, 0, PixelOf(d, Blue));
    XDefineCursor(d, window, XCreatePixmapCursor(d, shape, shape, &red, &black, 2, 1));
    XMapRaised(d, window);
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, 150, 160);
    ASSERT_TRUE(WaitFor([d] {
        XFixesCursorImage* const image = XFixesGetCursorImage(d);
        const bool ours = image != nullptr && image->xhot == 2 && image->yhot == 1;
        XFree(image);
        return ours;
    }));

    XScreenCapture capture(XDisplay::Open());
    const PixelRect area{140, 150, 20, 16};
    for (const bool withCursor : {false, true}) {
        const auto shown = [=](int x, int y) {
            return std::optional(withCursor && Inside({148, 159, 5, 4}, x, y) ? Red : Blue);
        };
        EXPECT_EQ(ColorsOf(capture.CaptureScreenArea(area, withCursor)), ColorsOf(area, shown))
            << withCursor;
    }
    EXPECT_EQ(capture.CapturedPixel(150, 160), Blue);
    EXPECT_EQ(capture.CapturedPixel(148, 159), std::nullopt);
    EXPECT_EQ(capture.CapturedPixel(147, 159), Blue);
}

// Two monitors as tests/x11/run.sh starts them, a 1024 x 512 primary right of a 640 x 480
// secondary: 640 x 32 below the secondary lie on no monitor, and move with it, at once for a
// capture told that the display changed, within a second for the pixel query.
TEST_F(XScreen, BlackBelowTheShorterMonitorWhereverItIs) {
    ASSERT_EQ(root_, (PixelRect{0, 0, 1664, 512})) << "run on the two-monitor server";
    XScreenCapture capture(XDisplay::Open());
    XInputDevices input(XDisplay::Open());
    const struct {
        const char* positions;
        PixelRect off;
    } layouts[] = {
        {"--output DUMMY0 --pos 640x0 --output DUMMY1 --pos 0x0", {0, 480, 640, 32}},
        {"--output DUMMY0 --pos 0x0 --output DUMMY1 --pos 1024x0", {1024, 480, 640, 32}}};
    const PixelRect area{620, 470, 440, 20};  // across the corners of both
    for (const auto& layout : layouts) {
        ASSERT_EQ(std::system((std::string("xrandr ") + layout.positions).c_str()), 0);
        PaintPattern(test_.get());  // the root's pixels need not outlive a new layout
        capture.DisplayChanged();
        const auto shown = [&](int x, int y) {
            return Inside(layout.off, x, y) ? std::nullopt : std::optional(PatternAt(x, y));
        };
        EXPECT_EQ(ColorsOf(capture.CaptureScreenArea(area, false)), ColorsOf(area, shown))
            << layout.positions;
        EXPECT_EQ(capture.CapturedPixel(630, 485), shown(630, 485));
        EXPECT_EQ(capture.CapturedPixel(1030, 485), shown(1030, 485));
        EXPECT_TRUE(WaitFor([&] {
            return input.ScreenPixel(630, 500) == shown(630, 500) &&
                   input.ScreenPixel(1030, 500) == shown(1030, 500);
        })) << layout.positions;
    }
}

constexpr Buttons Left = Buttons::Left, Right = Buttons::Right, Middle = Buttons::Middle,
                  No = Buttons::NoButton;

class XButtons : public XScreen {
  protected:
    void TearDown() override { Do("^1^2^3gR"); }  // whatever a failed step left

    // Steps through XTest or of another client: a digit presses that button, after '^' lets it
    // go; 'G' grabs the pointer, 'g' lets it go; 'L' swaps the device's buttons 1 and 3
    // (left-handed), 'R' puts them back.
    void Do(const std::string& steps) {
        Display* const d = test_.get();
        bool up = false;
        for (const char c : steps) {
            if (c >= '1' && c <= '7') {
                XTestFakeButtonEvent(d, c - '0', !up, CurrentTime);
            } else if (c == 'G' || c == 'g') {
                c == 'g' ? XUngrabPointer(d, CurrentTime)
                         : XGrabPointer(d, DefaultRootWindow(d), False, ButtonPressMask,
                                        GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
            } else if (c == 'L' || c == 'R') {
                unsigned char mapping[256];
                const int count = XGetPointerMapping(d, mapping, sizeof(mapping));
                mapping[0] = c == 'L' ? 3 : 1;
                mapping[2] = 4 - mapping[0];
                XSetPointerMapping(d, mapping, count);
            }
            up = c == '^';
        }
        XSync(d, False);
    }
};

// Two queries in a row after each step: a button held counts at both, a click between them at one,
// the wheel (4 to 7) never; also under another client's grab and left-handed. Then the pointer.
TEST_F(XButtons, HeldClickedGrabbedAndMapped) {
    // clang-format off
    const struct { const char* steps; Buttons first, second; } steps[] = {
        {"1", Left, Left}, {"^1", No, No}, {"1^1", Left, No}, {"3^32^2", Right | Middle, No},
        {"4^45^56^67^7", No, No}, {"G1", Left, Left}, {"3^3", Left | Right, Left}, {"^1g", No, No},
        {"L1^1", Right, No}, {"1", Right, Right}};
    // clang-format on
    XInputDevices input(XDisplay::Open());
    ASSERT_EQ(input.MouseButtons(), No);
    for (const auto& s : steps) {
        Do(s.steps);
        EXPECT_EQ(input.MouseButtons(), s.first) << s.steps;
        EXPECT_EQ(input.MouseButtons(), s.second) << s.steps;
    }
    XTestFakeMotionEvent(test_.get(), DefaultScreen(test_.get()), 123, 45, CurrentTime);
    XSync(test_.get(), False);
    EXPECT_EQ(input.PointerPosition(), (ScreenPoint{123, 45}));
}

}  // namespace
