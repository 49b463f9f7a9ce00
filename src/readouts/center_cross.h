#pragma once

#include "ports/drawing_surface.h"

// Two inverting white lines through the middle of the view, so the magnified pixel under them
// is easy to find. Leaves the surface's fore colour, draw mode and draw width as it found them.
void DrawCenterCrossOn(DrawingSurface& surface);
