#pragma once

#include "core/option_table.h"
#include "core/twips.h"
#include "platform/colour.h"
#include "platform/drawing_surface.h"

// The bottom edge of the view: the colour under the pointer in each notation whose option item
// is checked (hexadecimal at the left; decimal RGB, CMY or CMYK at the right), every figure on a
// small box. Sets the font to Terminal 6 and leaves its bold setting as it was.
void DrawColorValues(DrawingSurface& surface, const OptionTable& options, float pointerColor,
                     TwipsPerPixel twipsPerPixel);
