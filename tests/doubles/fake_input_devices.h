#pragma once

#include "platform/input_devices.h"

// Pointer, buttons, pixel colour and caret as a test sets them; counts the queries.
class FakeInputDevices : public InputDevices {
  public:
    ScreenPoint pointer;
    std::int16_t buttons = 0;
    ColorValue colour = 0;
    CaretInfo caret;
    int pointerQueries = 0;
    int caretQueries = 0;

    ScreenPoint GetCursorPos() override {
        ++pointerQueries;
        return pointer;
    }
    std::int16_t GetMouseButtons() override { return buttons; }
    ColorValue GetScreenPixel(std::int32_t, std::int32_t) override { return colour; }
    CaretInfo GetCaretInfo() override {
        ++caretQueries;
        return caret;
    }
};
