#pragma once

#include <cstdint>

#include "ports/picture.h"

// Solid fills and inversions of a block's pixels, each clipped to the block: the overlays come
// with every rendering, and a loop over the pixels costs less than a call into the system.

// Sets the pixels of `rect`; an empty one sets none.
void FillRect(const PixelBlock& block, const PixelRect& rect, std::uint32_t pixel);

// Sets the pixels from (left, top) to (right, bottom), both corners included, in either order.
void FillBox(const PixelBlock& block, std::int32_t left, std::int32_t top, std::int32_t right,
             std::int32_t bottom, std::uint32_t pixel);

// Inverts the colour of `lineWidth` (at least 1) columns down the whole block and as many rows
// across it, the column x and the row y being the second of each band (the only one when the line
// is one pixel wide); where the bands cross they invert twice.
void InvertCross(const PixelBlock& block, std::int32_t x, std::int32_t y, std::int32_t lineWidth);
