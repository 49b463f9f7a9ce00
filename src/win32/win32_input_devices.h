#pragma once

#include <windows.h>

#include <utility>

#include "ports/input_devices.h"
#include "win32/handles.h"

// Pointer, buttons, screen pixel and caret, read straight from the system on every call.
class Win32InputDevices : public InputDevices {
  public:
    ScreenPoint PointerPosition() override;
    Buttons MouseButtons() override;
    std::optional<Color> ScreenPixel(std::int32_t x, std::int32_t y) override;
    CaretInfo Caret() override;
    void WatchCaret(bool) override {}  // asking Windows costs nothing while nobody asks

  private:
    // Kept: a screen DC made for every read costs more than the read itself.
    UniqueWindowDc screen_;
    // The last caret window seen, where its client area was, and its window and monitor DPI.
    HWND caretWindow_ = nullptr;
    ScreenPoint caretClientOrigin_;
    std::pair<int, int> caretDpis_{0, 0};
};
