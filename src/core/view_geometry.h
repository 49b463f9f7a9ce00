#pragma once

#include <cstdint>
#include <optional>

#include "base/geometry.h"
#include "ports/screen_capture.h"

// The screen area a rendering shows, in twips. `left` keeps its fraction; `top`, `width` and
// `height` are whole twips.
struct ViewRectangle {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    float zoom = 1;  // the zoom the rectangle was worked out for
    StretchMode stretchMode = StretchMode::Blocks;
};

// A zoom that is not above 0 (the zoom factor before start-up has picked one) counts as 0.001.
float EffectiveZoom(float zoom);

// Averaging when reducing; exact pixel blocks at 100% and above.
StretchMode StretchModeFor(float effectiveZoom);

// The area that, scaled by the zoom, fills a view of `client` pixels with the focus point in its
// middle, worked out in twips of `twipsPerPixel` each. Nothing clamps it to the screen. Empty when
// the focus point in twips does not fit a 32-bit integer.
std::optional<ViewRectangle> ComputeViewRectangle(PixelSize client, ScreenPoint focus, float zoom,
                                                  std::int32_t twipsPerPixel);

// The area in screen pixels, with the twips per pixel it was worked out with, rounded once.
// Empty when the factor is not above 0.
std::optional<PixelRect> TwipsToPixels(const ViewRectangle& area, std::int32_t twipsPerPixel);

// One side of a picture scaled to `percent` per cent.
std::int32_t ScaledLength(float percent, std::int32_t length);
