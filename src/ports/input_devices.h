#pragma once

#include <cstdint>
#include <optional>

#include "base/color.h"
#include "base/geometry.h"
#include "ports/input_codes.h"

// The text caret of the foreground thread in screen pixels; height 0 means there is none.
struct CaretInfo {
    std::int32_t x = 0;
    std::int32_t top = 0;
    std::int32_t height = 0;
};

// What the refresh tick reads from the system on every tick. Each query is cheap and never fails:
// a failing system call gives a neutral answer (the origin, no buttons, no pixel, no caret).
class InputDevices {
  public:
    virtual ~InputDevices() = default;
    virtual ScreenPoint PointerPosition() = 0;
    // The buttons held; one pressed and released since the previous query counts as held.
    virtual Buttons MouseButtons() = 0;
    // Nothing for a point that has no pixel (on no monitor).
    virtual std::optional<Color> ScreenPixel(std::int32_t x, std::int32_t y) = 0;
    virtual CaretInfo Caret() = 0;
    // Whether the caret is followed at all: where finding it costs other programs work (they tell
    // of every caret move while someone listens), it is looked for only while it is.
    virtual void WatchCaret(bool on) = 0;
};
