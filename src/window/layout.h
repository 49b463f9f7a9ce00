#pragma once

#include "core/twips.h"
#include "platform/form_window.h"
#include "platform/line_shape.h"

inline constexpr int MinWindowWidthPx = 128;
inline constexpr int MinWindowHeightPx = 64;

// Keeps the window at least MinWindowWidthPx x MinWindowHeightPx pixels (outer size) and ends the
// measuring line at the centre of the inner area. Safe to re-enter: setting a size may report a
// resize that runs this again, which then finds the size in order and only places the line.
void Form_Resize(FormWindow& form, TwipsPerPixel members, LineShape& LA);
