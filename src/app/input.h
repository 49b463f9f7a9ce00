#pragma once

#include "ports/input_codes.h"

// What a press over the main window does. Shift state and code are compared whole: a combination
// counts only with no other modifier held.
enum class InputAction { None, DragWindow, MenuAtPointer, MenuFromKeyboard, Close };

// Left button drags the window, right button opens the menu at the pointer.
InputAction MouseDownAction(Buttons button, Modifiers held);
// F1 or the context-menu key open the menu at the window; Alt+F4 closes the program.
InputAction KeyDownAction(Key key, Modifiers held);
