#pragma once

#include <string>

#include "ports/input_devices.h"

// Pointer, buttons, pixel colour and caret as a test sets them; `reads` logs each query.
class FakeInputDevices : public InputDevices {
  public:
    ScreenPoint pointer;
    Buttons buttons = Buttons::NoButton;
    std::optional<Color> color = Color{};
    CaretInfo caret;
    std::string reads;  // "pointer buttons caret pixel 20,30 "

    ScreenPoint PointerPosition() override { return Read("pointer", pointer); }
    Buttons MouseButtons() override { return Read("buttons", buttons); }
    std::optional<Color> ScreenPixel(std::int32_t x, std::int32_t y) override {
        return Read("pixel " + std::to_string(x) + "," + std::to_string(y), color);
    }
    CaretInfo Caret() override { return Read("caret", caret); }
    void WatchCaret(bool on) override { reads += on ? "watch " : "unwatch "; }

  private:
    template <class T>
    T Read(const std::string& what, T answer) {
        reads += what + " ";
        return answer;
    }
};
