#include "raster/cursor_blend.h"

#include <algorithm>
#include <cstddef>

namespace {

// source + destination * (255 - alpha) / 255 in one channel, rounded to the nearest; at most 255
// even where a channel exceeds its alpha, which premultiplied pixels never should.
std::uint32_t Over(std::uint32_t source, std::uint32_t destination, std::uint32_t alpha,
                   int shift) {
    const std::uint32_t s = (source >> shift) & 0xFF;
    const std::uint32_t d = (destination >> shift) & 0xFF;
    return std::min<std::uint32_t>(255, s + (d * (255 - alpha) + 127) / 255) << shift;
}

}  // namespace

void BlendPremultiplied(const ConstPixelBlock& image, const PixelBlock& target, std::int32_t left,
                        std::int32_t top) {
    // In 64 bits: the image may lie far outside the target.
    const std::int64_t fromX = std::max<std::int64_t>(0, -std::int64_t{left});
    const std::int64_t fromY = std::max<std::int64_t>(0, -std::int64_t{top});
    const std::int64_t toX = std::min<std::int64_t>(image.width, std::int64_t{target.width} - left);
    const std::int64_t toY =
        std::min<std::int64_t>(image.height, std::int64_t{target.height} - top);
    for (std::int64_t y = fromY; y < toY; ++y) {
        const std::uint32_t* in = image.pixels + y * image.stride;
        std::uint32_t* out = target.pixels + (y + top) * target.stride + left;
        for (std::int64_t x = fromX; x < toX; ++x) {
            const std::uint32_t source = in[x];
            const std::uint32_t alpha = source >> 24;
            std::uint32_t& pixel = out[x];
            if (alpha == 255) {
                pixel = (pixel & 0xFF000000u) | (source & 0xFFFFFF);
            } else if (source != 0) {  // all zero: wholly transparent
                pixel = (pixel & 0xFF000000u) | Over(source, pixel, alpha, 16) |
                        Over(source, pixel, alpha, 8) | Over(source, pixel, alpha, 0);
            }
        }
    }
}
