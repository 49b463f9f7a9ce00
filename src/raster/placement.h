#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ports/picture.h"

// The common part of two rectangles; empty when they do not overlap.
std::optional<PixelRect> Intersect(const PixelRect& a, const PixelRect& b);

// Whether at least minimum x minimum pixels of `visible` lie inside one of the areas: a part of a
// window the user can see and grab.
bool ShowsGrabbablePart(const PixelRect& visible, const std::vector<PixelRect>& areas,
                        std::int32_t minimum);

// The parts of `area` that lie on none of the monitors, as rectangles that do not overlap.
std::vector<PixelRect> UncoveredParts(const PixelRect& area,
                                      const std::vector<PixelRect>& monitors);

// `window` moved, at its size, as little as puts it wholly inside `area` (at the area's left or top
// edge where it is the larger).
PixelRect InsideArea(const PixelRect& window, const PixelRect& area);

// Where `part` of a picture of width x height (both above 0) lands once the picture is scaled to
// scaledWidth x scaledHeight: each edge is scaled and rounded on its own, so neighbouring parts
// meet without a gap.
PixelRect ScalePlacement(const PixelRect& part, std::int32_t width, std::int32_t height,
                         std::int32_t scaledWidth, std::int32_t scaledHeight);
