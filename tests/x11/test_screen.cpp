// GoogleTest first: X defines macros (None, Bool) that its headers use as names.
#include <gtest/gtest.h>

#include "test_screen.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <memory>
#include <thread>

#include "x11/x_display.h"

namespace {

// An X server resets when its last client leaves and refuses connections meanwhile: one held for
// the whole run keeps it from resetting between tests.
class HeldConnection : public testing::Environment {
  public:
    void SetUp() override { held_ = XDisplay::Open(); }
    void TearDown() override { held_ = XDisplay(); }

  private:
    XDisplay held_;
};

[[maybe_unused]] testing::Environment* const heldConnection =
    testing::AddGlobalTestEnvironment(new HeldConnection);

}  // namespace

ColorValue PatternAt(std::int32_t x, std::int32_t y) {
    static constexpr ColorValue colors[] = {Red,
                                            Rgb(0, 255, 0),
                                            Blue,
                                            Rgb(255, 255, 0),
                                            Rgb(0, 255, 255),
                                            Rgb(255, 0, 255),
                                            Rgb(255, 255, 255)};
    return colors[((x + 3 * y) % 7 + 7) % 7];
}

unsigned long PixelOf(Display* display, ColorValue color) {
    const Visual* visual = DefaultVisual(display, DefaultScreen(display));
    return ((color & 0xFF) ? visual->red_mask : 0) | ((color & 0xFF00) ? visual->green_mask : 0) |
           ((color & 0xFF0000) ? visual->blue_mask : 0);
}

void PaintPattern(Display* display) {
    const PixelRect root = RootOf(display);
    const int screen = DefaultScreen(display);
    struct DestroyImage {
        void operator()(XImage* image) const { XDestroyImage(image); }
    };
    const std::unique_ptr<XImage, DestroyImage> image(
        XCreateImage(display, DefaultVisual(display, screen),
                     static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, 0, nullptr,
                     static_cast<unsigned>(root.width), static_cast<unsigned>(root.height), 32, 0));
    // XDestroyImage frees the pixels with free().
    image->data = static_cast<char*>(std::malloc(static_cast<std::size_t>(image->bytes_per_line) *
                                                 static_cast<std::size_t>(root.height)));
    for (int y = 0; y < root.height; ++y) {
        for (int x = 0; x < root.width; ++x) {
            XPutPixel(image.get(), x, y, PixelOf(display, PatternAt(x, y)));
        }
    }
    XPutImage(display, DefaultRootWindow(display), DefaultGC(display, screen), image.get(), 0, 0, 0,
              0, static_cast<unsigned>(root.width), static_cast<unsigned>(root.height));
    XSync(display, False);
}

PixelRect RootOf(Display* display) {
    XWindowAttributes root{};
    XGetWindowAttributes(display, DefaultRootWindow(display), &root);
    return {0, 0, root.width, root.height};
}

bool HasExtension(Display* display, const char* name) {
    int opcode = 0;
    int event = 0;
    int error = 0;
    return XQueryExtension(display, name, &opcode, &event, &error);
}

std::vector<ColorValue> ColorsOf(const Picture& picture) {
    std::vector<ColorValue> colors;
    const PixelRect& on = picture.onScreen;
    for (std::int32_t y = 0; y < picture.height; ++y) {
        for (std::int32_t x = 0; x < picture.width; ++x) {
            const bool read =
                x >= on.left && y >= on.top && x < on.left + on.width && y < on.top + on.height;
            const std::uint32_t pixel =
                read ? picture.pixels.pixels[(y - on.top) * picture.pixels.stride + x - on.left]
                     : 0;
            colors.push_back(Rgb(static_cast<int>(pixel >> 16), static_cast<int>(pixel >> 8),
                                 static_cast<int>(pixel)));
        }
    }
    return colors;
}

std::vector<ColorValue> PatternOr(
    const PixelRect& area, const std::function<bool(std::int32_t, std::int32_t)>& shows,
    const std::function<ColorValue(std::int32_t, std::int32_t)>& colorAt) {
    std::vector<ColorValue> colors;
    for (std::int32_t y = area.top; y < area.top + area.height; ++y) {
        for (std::int32_t x = area.left; x < area.left + area.width; ++x) {
            colors.push_back(shows(x, y) ? colorAt(x, y) : 0);
        }
    }
    return colors;
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void MovePointer(Display* display, int x, int y) {
    XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
    XSync(display, False);
}

void PressButton(Display* display, unsigned button, bool down) {
    XTestFakeButtonEvent(display, button, down ? True : False, CurrentTime);
    XSync(display, False);
}

void ClickButton(Display* display, unsigned button) {
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    XSync(display, False);
}
