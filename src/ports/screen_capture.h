#pragma once

#include <cstdint>
#include <optional>

#include "base/color.h"
#include "ports/picture.h"

// How a captured picture is scaled into the view.
enum class StretchMode {
    Blocks,   // at 100 % and above: each picture pixel a block of view pixels
    Average,  // below 100 %: each view pixel the mean of the picture pixels it covers
};

class ScreenCapture {
  public:
    virtual ~ScreenCapture() = default;

    // Copies a screen rectangle one pixel to one into the capture's own buffer, reading only the
    // part that lies on the virtual screen, so the cost is bounded by the screen whatever the
    // rectangle. What lies on no monitor is black, like what lies beyond the screen. With the
    // cursor, the visible mouse cursor is drawn in with its hotspot on the pointer. Empty when
    // the capture fails.
    virtual std::optional<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) = 0;
    // The colour of screen pixel (x, y) as the last capture read it, before a cursor was drawn
    // over it; nothing when that capture did not hold it.
    virtual std::optional<Color> CapturedPixel(std::int32_t x, std::int32_t y) const = 0;
    // The monitors changed: the next capture takes their new places.
    virtual void DisplayChanged() = 0;
};
