#pragma once

#include <cmath>
#include <cstdint>

#include "base/rounding.h"

// Twips (1/1440 inch) are the unit in which the view's rectangle is worked out, so that it comes
// out the same at every display scale; everything else speaks pixels.
inline constexpr int TwipsPerInch = 1440;
// The scale every screen had before display scaling, and the one assumed when none is known.
inline constexpr int StandardDpi = 96;
inline constexpr std::int32_t StandardTwipsPerPixel = TwipsPerInch / StandardDpi;  // 15

// Twips per pixel of a monitor: the whole number nearest to 1440 / dpi, halves to even: 15 at 96,
// 10 at 144, 9 at 168 (8.57), 8 at 192 (7.5), 5 at 288. A DPI that is not above 0 counts as the
// standard one.
inline std::int32_t TwipsPerPixelForDpi(int dpi) {
    if (dpi <= 0) {
        return StandardTwipsPerPixel;
    }
    const std::int32_t factor = RoundToInt32(static_cast<double>(TwipsPerInch) / dpi);
    return factor > 0 ? factor : 1;
}

// A distance drawn `pixels` long at the standard scale, at `dpi`: rounded as the read-outs' font
// heights are, halves away from zero, so that gaps grow with the texts they separate. A DPI that
// is not above 0 counts as the standard one.
inline std::int32_t PixelsAtDpi(std::int32_t pixels, int dpi) {
    if (dpi <= 0) {
        return pixels;
    }
    return static_cast<std::int32_t>(std::lround(static_cast<double>(pixels) * dpi / StandardDpi));
}
