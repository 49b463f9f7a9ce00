#pragma once

#include <cstdint>

#include "base/geometry.h"

// A block of 32-bit pixels (blue, green, red, unused from the lowest byte up), top row first;
// `stride` is the distance between rows in pixels. It only points at pixels someone else owns.
template <typename Pixel>
struct PixelBlockOf {
    Pixel* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t stride = 0;
};
using PixelBlock = PixelBlockOf<std::uint32_t>;
using ConstPixelBlock = PixelBlockOf<const std::uint32_t>;

// A captured screen area of width x height pixels. Only `onScreen` (relative to the area's
// top-left corner) holds the screen's pixels; the rest of the area is black. The pixels belong
// to the capture and stay valid until its next capture.
struct Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    PixelRect onScreen;
    ConstPixelBlock pixels;  // onScreen's pixels; none when the area lies off the screen
};
