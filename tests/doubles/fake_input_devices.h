#pragma once

#include "platform/input_devices.h"

// Pointer, buttons, pixel colour and caret as a test sets them; counts the queries and keeps
// where the last pixel was read.
class FakeInputDevices : public InputDevices {
  public:
    ScreenPoint pointer, pixelAt;
    std::int16_t buttons = 0;
    ColorValue colour = 0;
    CaretInfo caret;
    int pointerQueries = 0, buttonQueries = 0, pixelQueries = 0, caretQueries = 0;

    ScreenPoint GetCursorPos() override { return Counted(pointerQueries, pointer); }
    std::int16_t GetMouseButtons() override { return Counted(buttonQueries, buttons); }
    ColorValue GetScreenPixel(std::int32_t x, std::int32_t y) override {
        pixelAt = {x, y};
        return Counted(pixelQueries, colour);
    }
    CaretInfo GetCaretInfo() override { return Counted(caretQueries, caret); }

  private:
    template <class T>
    static T Counted(int& queries, T answer) {
        ++queries;
        return answer;
    }
};
