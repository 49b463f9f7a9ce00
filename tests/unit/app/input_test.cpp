#include "app/input.h"

#include <gtest/gtest.h>

#include "ports/form_events.h"
#include "ports/input_devices.h"

namespace {

TEST(Input, ShiftStateAndCodeMustMatchWhole) {
    using A = InputAction;
    using namespace MouseButton;
    using namespace VirtualKey;
    using ShiftKey::Alt, ShiftKey::Ctrl, ShiftKey::Shift;
    const struct {
        bool mouse;
        int code, shift;
        InputAction action;
    } cases[] = {
        // clang-format off
        {true, Left, 0, A::DragWindow}, {true, Right, 0, A::MenuAtPointer}, {true, Middle, 0, A::None},
        {true, Left | Right, 0, A::None}, {true, Left, Shift, A::None}, {true, Left, Alt, A::None},
        {true, Right, Ctrl, A::None},
        {false, F1, 0, A::MenuFromKeyboard}, {false, ContextMenu, 0, A::MenuFromKeyboard},
        {false, F1, Shift, A::None}, {false, ContextMenu, Ctrl, A::None}, {false, F4, Alt, A::Unload},
        {false, F4, 0, A::None}, {false, F4, Ctrl, A::None}, {false, F4, Alt | Shift, A::None},
        {false, F1 + 1, 0, A::None},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.mouse ? MouseDownAction(c.code, c.shift) : KeyDownAction(c.code, c.shift),
                  c.action)
            << c.code << " shift " << c.shift;
    }
}

}  // namespace
