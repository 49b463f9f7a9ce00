#include "app/input.h"

#include <gtest/gtest.h>

namespace {

TEST(Input, ShiftStateAndCodeMustMatchWhole) {
    using A = InputAction;
    const struct {
        bool mouse;
        int code, shift;
        InputAction action;
    } cases[] = {
        // clang-format off
        {true, 1, 0, A::DragWindow}, {true, 2, 0, A::MenuAtPointer}, {true, 4, 0, A::None},
        {true, 3, 0, A::None}, {true, 1, 1, A::None}, {true, 1, 4, A::None}, {true, 2, 2, A::None},
        {false, 112, 0, A::MenuFromKeyboard}, {false, 93, 0, A::MenuFromKeyboard},
        {false, 112, 1, A::None}, {false, 93, 2, A::None}, {false, 115, 4, A::Unload},
        {false, 115, 0, A::None}, {false, 115, 2, A::None}, {false, 115, 5, A::None},
        {false, 113, 0, A::None},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.mouse ? MouseDownAction(c.code, c.shift) : KeyDownAction(c.code, c.shift),
                  c.action)
            << c.code << " shift " << c.shift;
    }
}

}  // namespace
