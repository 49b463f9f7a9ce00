// GoogleTest first: X defines macros (None, Bool) that its headers use as names.
#include <gtest/gtest.h>

#include "x11/x_input_devices.h"

#include <X11/Xlib.h>

#include <functional>
#include <vector>

#include "test_screen.h"

namespace {

using namespace MouseButton;

class XButtons : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(test_) << "no X server in DISPLAY"; }
    // Let go of all, and put the mapping back, whatever a failed step left.
    void TearDown() override {
        for (unsigned button = 1; button <= 3; ++button) {
            PressButton(test_.get(), button, false);
        }
        XUngrabPointer(test_.get(), CurrentTime);
        MapFirstAndThird(1, 3);
    }
    // Button 1 of the device as `first`, button 3 as `third` (3, 1: left-handed).
    void MapFirstAndThird(unsigned char first, unsigned char third) {
        unsigned char mapping[256];
        const int count = XGetPointerMapping(test_.get(), mapping, sizeof(mapping));
        mapping[0] = first;
        mapping[2] = third;
        ASSERT_EQ(XSetPointerMapping(test_.get(), mapping, count), MappingSuccess);
        XSync(test_.get(), False);
    }

    XDisplay test_ = XDisplay::Open();
};

// What two queries in a row read after each step, taken in this order: a button held counts at
// both, a click between two queries once, the wheel (buttons 4 to 7) never; the same while
// another client has grabbed the pointer, and through the user's mapping of the buttons.
TEST_F(XButtons, HeldClickedGrabbedAndMapped) {
    Display* const d = test_.get();
    XInputDevices input(XDisplay::Open());
    ASSERT_EQ(input.MouseButtons(), 0);
    const auto hold = [d](unsigned button, bool down) {
        return [=] { PressButton(d, button, down); };
    };
    const auto click = [d](std::vector<unsigned> buttons) {
        return [=] {
            for (const unsigned button : buttons) {
                ClickButton(d, button);
            }
        };
    };
    const struct {
        const char* what;
        std::function<void()> step;
        std::int16_t first, second;
    } steps[] = {
        {"left held", hold(1, true), Left, Left},
        {"left let go", hold(1, false), 0, 0},
        {"left clicked", click({1}), Left, 0},
        {"right and middle clicked", click({3, 2}), Right | Middle, 0},
        {"wheel turned", click({4, 5, 6, 7}), 0, 0},
        {"grabbed by another client",
         [d] {
             ASSERT_EQ(XGrabPointer(d, DefaultRootWindow(d), False, ButtonPressMask, GrabModeAsync,
                                    GrabModeAsync, None, None, CurrentTime),
                       GrabSuccess);
         },
         0, 0},
        {"left held in the grab", hold(1, true), Left, Left},
        {"right clicked in the grab", click({3}), Left | Right, Left},
        {"left let go, the grab ended",
         [d] {
             PressButton(d, 1, false);
             XUngrabPointer(d, CurrentTime);
         },
         0, 0},
        {"left-handed, left clicked", [this, d] { MapFirstAndThird(3, 1), ClickButton(d, 1); },
         Right, 0},
        {"left-handed, left held", hold(1, true), Right, Right},
    };
    for (const auto& s : steps) {
        s.step();
        const std::int16_t first = input.MouseButtons();
        EXPECT_EQ(first, s.first) << s.what;
        EXPECT_EQ(input.MouseButtons(), s.second) << s.what;
    }
}

TEST_F(XButtons, ThePointerWhereXTestMovedIt) {
    const PixelRect root = RootOf(test_.get());
    XInputDevices input(XDisplay::Open());
    for (const ScreenPoint p :
         {ScreenPoint{0, 0}, ScreenPoint{root.width - 1, root.height - 1}, ScreenPoint{123, 45}}) {
        MovePointer(test_.get(), p.x, p.y);
        EXPECT_EQ(input.PointerPosition(), p);
    }
}

}  // namespace
