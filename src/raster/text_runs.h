#pragma once

#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "ports/picture.h"

// A text as the pixels its glyphs set: the system prints it once into a one-bit mask, and every
// later print sets the same pixels itself.

// The pixels set in row y from left up to (not including) right, relative to the text's origin.
struct TextRun {
    std::int32_t y = 0;
    std::int32_t left = 0;
    std::int32_t right = 0;
    bool operator==(const TextRun&) const = default;
};

// The set pixels of a one-bit mask of `size` (top row first, `stride` bytes a row, the leftmost
// pixel in a byte's highest bit) as runs, row by row from the left, relative to the text's origin
// `margin` pixels right of and below the mask's top-left corner. Bits beyond the width are not
// pixels.
std::vector<TextRun> MaskRuns(const std::uint8_t* bits, std::int32_t stride, PixelSize size,
                              std::int32_t margin);

// Sets the runs' pixels with the text's origin at (x, y), clipped to the block.
void FillRuns(const PixelBlock& block, std::int32_t x, std::int32_t y,
              const std::vector<TextRun>& runs, std::uint32_t pixel);
