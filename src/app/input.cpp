#include "app/input.h"

InputAction MouseDownAction(Buttons button, Modifiers held) {
    if (held != Modifiers::NoModifier) {
        return InputAction::None;
    }
    if (button == Buttons::Left) {
        return InputAction::DragWindow;
    }
    if (button == Buttons::Right) {
        return InputAction::MenuAtPointer;
    }
    return InputAction::None;
}

InputAction KeyDownAction(Key key, Modifiers held) {
    if (held == Modifiers::NoModifier && (key == Key::F1 || key == Key::ContextMenu)) {
        return InputAction::MenuFromKeyboard;
    }
    if (held == Modifiers::Alt && key == Key::F4) {
        return InputAction::Close;
    }
    return InputAction::None;
}
