#pragma once

#include <cstdint>
#include <string>

#include "base/color.h"
#include "ports/drawing_surface.h"

// Prints `text` with its left edge at pixel x and the top of its cell at pixel y, in a style that
// stays legible on any picture:
//   outline > 0: an outline `outline` pixels thick in outlineColor, the text on top;
//   outline < 0: a box in outlineColor reaching -outline pixels around the text (one less at the
//                sides, two less below);
//   outline = 0: the text alone.
// Returns false when a position does not fit in 32 bits; the rest of the drawing is then left out.
bool PrintOutlined(DrawingSurface& target, std::int32_t x, std::int32_t y, const std::string& text,
                   const FontSpec& font, std::int16_t outline, Color outlineColor, Color textColor);
