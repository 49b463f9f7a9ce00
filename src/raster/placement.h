#pragma once

#include <cstdint>
#include <optional>

#include "ports/picture.h"

// The common part of two rectangles; empty when they do not overlap.
std::optional<PixelRect> Intersect(const PixelRect& a, const PixelRect& b);

// `window` moved, at its size, as little as puts it wholly inside `area` (at the area's left or top
// edge where it is the larger).
PixelRect InsideArea(const PixelRect& window, const PixelRect& area);

// Where `part` of a picture of width x height (both above 0) lands once the picture is scaled to
// scaledWidth x scaledHeight: each edge is scaled and rounded on its own, so neighbouring parts
// meet without a gap.
PixelRect ScalePlacement(const PixelRect& part, std::int32_t width, std::int32_t height,
                         std::int32_t scaledWidth, std::int32_t scaledHeight);
