#include "readouts/center_cross.h"

#include "base/rounding.h"

namespace {

constexpr std::int32_t LineWidthPixels = 2;

}  // namespace

void DrawCenterCrossOn(DrawingSurface& surface) {
    // Half the view, rounded halves to even: on an odd-sized view the band sits just before or
    // just after the middle pixel.
    const PixelSize size = surface.Size();
    surface.InvertCross(RoundToInt32(size.width / 2.0), RoundToInt32(size.height / 2.0),
                        LineWidthPixels);
}
