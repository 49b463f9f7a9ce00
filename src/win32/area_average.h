#pragma once

#include <cstdint>

#include "ports/picture.h"

// Scales `source` to width x height pixels so that every pixel of the result is the mean of the
// source area it covers, pixels only partly covered counted by the part covered, and writes the
// top-left target.width x target.height part of the result into `target`. This is what a
// reduced view must show: a checkerboard of black and white turns an even grey, and a thin line
// still tints the pixel it falls into. Means are exact and rounded halves to even. The source
// must be under 2^24 pixels high.
void AverageScale(const ConstPixelBlock& source, std::int32_t width, std::int32_t height,
                  const PixelBlock& target);
