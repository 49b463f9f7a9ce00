#pragma once

#include <optional>

#include "base/color.h"
#include "core/option_table.h"
#include "ports/drawing_surface.h"

// The bottom edge of the view: the colour under the pointer in each notation whose option item
// is checked (hexadecimal at the left; decimal RGB, CMY or CMYK at the right), every figure on a
// small box, in Terminal 6, bold or not.
// Nothing for a pointer over no pixel.
void DrawColorValuesOn(DrawingSurface& surface, const OptionTable& options,
                       const std::optional<Color>& color, bool bold);
