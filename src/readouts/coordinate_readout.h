#pragma once

#include <string>

#include "core/view_state.h"
#include "ports/drawing_surface.h"

// The top edge of the view: the measured point at the left and, while a measurement is in
// progress, the distance and the bearing from the anchor at the right, in outlined Tahoma 7.
// decimalSeparator is the user's, in UTF-8.
void DrawCoordinatesOn(DrawingSurface& surface, const ViewState& view,
                       const std::string& decimalSeparator);
