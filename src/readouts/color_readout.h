#pragma once

#include "base/color.h"
#include "base/twips.h"
#include "core/option_table.h"
#include "ports/drawing_surface.h"

// The bottom edge of the view: the colour under the pointer in each notation whose option item
// is checked (hexadecimal at the left; decimal RGB, CMY or CMYK at the right), every figure on a
// small box. Sets the font to Terminal 6 and leaves its bold setting as it was.
void DrawColorValuesOn(DrawingSurface& surface, const OptionTable& options, float pointerColor,
                       TwipsPerPixel twipsPerPixel);
