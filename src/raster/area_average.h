#pragma once

#include <cstdint>

#include "ports/picture.h"

// Scales the captured area to width x height pixels so that every pixel of the result is the mean
// of the area's pixels it covers, pixels only partly covered counted by the part covered and the
// area off the screen counted as black, and writes the top-left target.width x target.height part
// of the result into `target`. This is what a reduced view must show: a checkerboard of black and
// white turns an even grey, a thin line still tints the pixel it falls into, and the screen's edge
// lands where the scale puts it. Means are exact and rounded halves to even. The area must be
// under 2^24 pixels high.
void AverageScale(const Picture& area, std::int32_t width, std::int32_t height,
                  const PixelBlock& target);
