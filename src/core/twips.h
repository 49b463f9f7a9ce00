#pragma once

#include <cstdint>

// The screen's twips per pixel rounded to whole numbers once at start-up (15 at 96 dpi).
// Layout, settings, rendering and read-outs convert between twips and pixels with these.
struct TwipsPerPixel {
    std::int32_t x = 15;
    std::int32_t y = 15;
};
