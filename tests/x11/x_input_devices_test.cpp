// GoogleTest first: X defines macros (None, Bool) that it uses as names.
#include <gtest/gtest.h>

#include "x11/x_input_devices.h"

#include <X11/extensions/XTest.h>

#include <string>

namespace {

constexpr Buttons Left = Buttons::Left, Right = Buttons::Right, Middle = Buttons::Middle,
                  No = Buttons::NoButton;

class XButtons : public testing::Test {
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

    XDisplay test_ = XDisplay::Open();
};

// What two queries in a row read after each step, taken in this order: a button held counts at
// both, a click between two queries at one, the wheel (buttons 4 to 7) never; the same while
// another client has grabbed the pointer, and through a left-handed mapping. And the pointer.
TEST_F(XButtons, HeldClickedGrabbedAndMapped) {
    ASSERT_TRUE(test_) << "no X server in DISPLAY";
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
        const Buttons first = input.MouseButtons();
        EXPECT_EQ(first, s.first) << s.steps;
        EXPECT_EQ(input.MouseButtons(), s.second) << s.steps;
    }
    XTestFakeMotionEvent(test_.get(), DefaultScreen(test_.get()), 123, 45, CurrentTime);
    XSync(test_.get(), False);
    EXPECT_EQ(input.PointerPosition(), (ScreenPoint{123, 45}));
}

}  // namespace
