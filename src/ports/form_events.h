#pragma once

#include "base/geometry.h"
#include "ports/input_codes.h"

// What the window reports to the program's logic, on the UI thread, one at a time.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    // Every 10 ms: follow the pointer and the caret.
    virtual void OnTrackingTick() = 0;
    // Every 250 ms: refresh the view when auto refresh is on.
    virtual void OnAutoRefreshTick() = 0;
    // After every change of the window's size.
    virtual void OnResize() = 0;
    // The window's monitor now has `dpi`, and the system suggests the outer rectangle the
    // window should take there. `ownMove`: the change came with a move of the program's own
    // (FormWindow::Move, MoveOntoWorkArea, PlaceWindow), not with one of the user's.
    virtual void OnScaleChanged(int dpi, const PixelRect& suggested, bool ownMove) = 0;
    // Monitors came, went or changed their size.
    virtual void OnDisplayChanged() = 0;
    // A button (exactly one) pressed over the window's picture.
    virtual void OnMouseDown(Buttons button, Modifiers held) = 0;
    // A key pressed while the window has the keyboard.
    virtual void OnKeyDown(Key key, Modifiers held) = 0;
    // The window is about to close; it is destroyed when this returns. Called once at most.
    virtual void OnClosing() = 0;
};
