#pragma once

#include <cstdint>

// A block of 32-bit pixels (blue, green, red, unused from the lowest byte up), top row first;
// `stride` is the distance between rows in pixels.
template <typename Pixel>
struct PixelBlockOf {
    Pixel* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t stride = 0;
};
using PixelBlock = PixelBlockOf<std::uint32_t>;
using ConstPixelBlock = PixelBlockOf<const std::uint32_t>;

// Scales `source` into `target` so that every target pixel is the mean of the source area it
// covers, pixels that are only partly covered counted by the part covered. This is what a
// reduced view must show: a checkerboard of black and white turns an even grey, and a thin line
// still tints the pixel it falls into. Means are rounded halves to even.
void AverageScale(const ConstPixelBlock& source, const PixelBlock& target);
