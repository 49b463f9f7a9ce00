#include "app/input.h"

#include "ports/form_events.h"
#include "ports/input_devices.h"

InputAction MouseDownAction(int button, int shift) {
    if (shift != 0) {
        return InputAction::None;
    }
    if (button == MouseButton::Left) {
        return InputAction::DragWindow;
    }
    if (button == MouseButton::Right) {
        return InputAction::MenuAtPointer;
    }
    return InputAction::None;
}

InputAction KeyDownAction(int key, int shift) {
    if (shift == 0 && (key == VirtualKey::F1 || key == VirtualKey::ContextMenu)) {
        return InputAction::MenuFromKeyboard;
    }
    if (shift == ShiftKey::Alt && key == VirtualKey::F4) {
        return InputAction::Close;
    }
    return InputAction::None;
}
