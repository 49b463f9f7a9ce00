#pragma once

#include <cstdint>

#include "ports/picture.h"

// Scales the captured area to width x height pixels by spreading each of its pixels over a block,
// as a view of 100% and above shows it, the area off the screen black, and writes the top-left
// target.width x target.height part of the result into `target`. Edge k of a side n pixels long
// scaled to N lies at k x N / n rounded halves to even, where ScalePlacement puts it.
void BlockScale(const Picture& area, std::int32_t width, std::int32_t height,
                const PixelBlock& target);
