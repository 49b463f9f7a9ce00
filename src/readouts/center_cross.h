#pragma once

#include "ports/drawing_surface.h"

// Two inverting lines, two pixels wide, through the middle of the view, so the magnified pixel
// under them is easy to find on any picture.
void DrawCenterCrossOn(DrawingSurface& surface);
