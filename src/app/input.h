#pragma once

// What a press over the main window does. Shift state and code are compared whole: a combination
// counts only with no other modifier held.
enum class InputAction { None, DragWindow, MenuAtPointer, MenuFromKeyboard, Close };

namespace VirtualKey {
inline constexpr int F1 = 112;
inline constexpr int F4 = 115;
inline constexpr int ContextMenu = 93;
}  // namespace VirtualKey

// Left button drags the window, right button opens the menu at the pointer.
InputAction MouseDownAction(int button, int shift);
// F1 or the context-menu key open the menu at the window; Alt+F4 closes the program.
InputAction KeyDownAction(int key, int shift);
