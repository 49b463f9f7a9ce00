#pragma once

#include "ports/form_window.h"

// Puts the window in or out of the topmost band and re-applies its own rectangle, which also
// shows and activates it. The rectangle is not moved onto the screen.
void ApplyTopmost(FormWindow& form, bool onTop);
