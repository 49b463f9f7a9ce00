#pragma once

#include <cstdint>

// A colour as the screen's pixel query delivers it: 0x00BBGGRR, red in the lowest byte.
// -1 stands for a point that has no pixel (outside every monitor).
using ColorValue = std::int32_t;

constexpr ColorValue NoPixel = -1;

constexpr ColorValue Rgb(int red, int green, int blue) {
    return static_cast<ColorValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
