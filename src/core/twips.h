#pragma once

#include <cstdint>

#include "core/rounding.h"

// Twips per screen pixel, one whole number for the window's monitor (15 at 96 dpi). The window's
// geometry, the layout, the settings, the rendering and the read-outs all convert between twips
// and pixels with it, so every conversion is exact.
struct TwipsPerPixel {
    std::int32_t x = 15;
    std::int32_t y = 15;
};

inline constexpr int TwipsPerInch = 1440;

// The whole number nearest to 1440 / dpi, halves to even: 15 at 96, 10 at 144, 9 at 168 (8.57),
// 8 at 192 (7.5), 5 at 288. A DPI that is not above 0 counts as 96.
inline std::int32_t TwipsPerPixelForDpi(int dpi) {
    if (dpi <= 0) {
        return 15;
    }
    const std::int32_t factor = RoundToInt32(static_cast<double>(TwipsPerInch) / dpi);
    return factor > 0 ? factor : 1;
}
