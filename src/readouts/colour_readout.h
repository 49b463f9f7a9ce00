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

// Text on the box filled with the colour itself: white on dark colours, near-black otherwise.
ColorValue HexTextColor(int red, int green, int blue);
// Text on the grey box of the K figure.
ColorValue KTextColor(float k);

// Fill of the hexadecimal box when the colour value is no RGB colour (-1: no pixel under the
// pointer). Black, like the picture beyond the screen's edge.
inline constexpr ColorValue NoPixelBoxColor = Rgb(0, 0, 0);
