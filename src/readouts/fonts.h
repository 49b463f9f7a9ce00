#pragma once

#include "ports/drawing_surface.h"

inline constexpr FontSpec CoordinateFont{"Tahoma", 7, false};

// Any fixed-pitch face of this size keeps the columns of figures in line where it is missing.
// Bold until the coordinate read-out first prints: until then the window's font from start-up,
// Tahoma 7 bold, leaves its weight to the colour figures.
inline constexpr FontSpec ColorFiguresFont(bool bold) {
    return FontSpec{"Terminal", 6, bold};
}
