#include "raster/pixel_fill.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::uint32_t ColorBits = 0x00FFFFFF;

// Columns or rows [from, to) of a block, clipped to its `length`. In 64 bits, so that a box
// reaching to the ends of the 32-bit range cannot overflow.
struct Span {
    std::int32_t from = 0;
    std::int32_t to = 0;
    Span(std::int64_t first, std::int64_t end, std::int32_t length) {
        const std::int64_t limit = std::max(length, 0);
        from = static_cast<std::int32_t>(std::clamp<std::int64_t>(first, 0, limit));
        to = static_cast<std::int32_t>(std::clamp<std::int64_t>(end, from, limit));
    }
};

// Calls change(first, last) for the pixels of each row in turn.
template <typename Change>
void ForEachRow(const PixelBlock& block, Span columns, Span rows, Change change) {
    if (columns.from == columns.to) {
        return;
    }
    for (std::int32_t row = rows.from; row < rows.to; ++row) {
        std::uint32_t* const line = block.pixels + static_cast<std::ptrdiff_t>(row) * block.stride;
        change(line + columns.from, line + columns.to);
    }
}

void Fill(const PixelBlock& block, Span columns, Span rows, std::uint32_t pixel) {
    ForEachRow(block, columns, rows, [pixel](std::uint32_t* first, std::uint32_t* last) {
        std::fill(first, last, pixel);
    });
}

void Invert(const PixelBlock& block, Span columns, Span rows) {
    ForEachRow(block, columns, rows, [](std::uint32_t* first, std::uint32_t* last) {
        for (std::uint32_t* at = first; at != last; ++at) {
            *at ^= ColorBits;
        }
    });
}

}  // namespace

void FillRect(const PixelBlock& block, const PixelRect& rect, std::uint32_t pixel) {
    Fill(block, Span(rect.left, std::int64_t{rect.left} + rect.width, block.width),
         Span(rect.top, std::int64_t{rect.top} + rect.height, block.height), pixel);
}

void FillBox(const PixelBlock& block, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom, std::uint32_t pixel) {
    Fill(block, Span(std::min(left, right), std::int64_t{std::max(left, right)} + 1, block.width),
         Span(std::min(top, bottom), std::int64_t{std::max(top, bottom)} + 1, block.height), pixel);
}

void InvertCross(const PixelBlock& block, std::int32_t x, std::int32_t y, std::int32_t lineWidth) {
    const std::int32_t width = std::max(lineWidth, 1);
    const std::int64_t left = std::int64_t{x} - width / 2;
    const std::int64_t top = std::int64_t{y} - width / 2;
    Invert(block, Span(left, left + width, block.width), Span(0, block.height, block.height));
    Invert(block, Span(0, block.width, block.width), Span(top, top + width, block.height));
}
