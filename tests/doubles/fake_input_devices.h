#pragma once

#include "platform/input_devices.h"

// Pointer, buttons, pixel colour and caret as a test sets them; counts the queries and keeps
// where the last pixel was read.
class FakeInputDevices : public InputDevices {
  public:
    ScreenPoint pointer;
    std::int16_t buttons = 0;
    ColorValue colour = 0;
    CaretInfo caret;
    int pointerQueries = 0, buttonQueries = 0, pixelQueries = 0, caretQueries = 0;
    ScreenPoint pixelAt;

    ScreenPoint GetCursorPos() override {
        ++pointerQueries;
        return pointer;
    }
    std::int16_t GetMouseButtons() override {
        ++buttonQueries;
        return buttons;
    }
    ColorValue GetScreenPixel(std::int32_t x, std::int32_t y) override {
        ++pixelQueries;
        pixelAt = {x, y};
        return colour;
    }
    CaretInfo GetCaretInfo() override {
        ++caretQueries;
        return caret;
    }
};
