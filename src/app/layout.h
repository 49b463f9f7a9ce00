#pragma once

#include "base/twips.h"
#include "ports/form_window.h"
#include "ports/line_shape.h"

// Keeps the window at least MinWindowWidthPx x MinWindowHeightPx pixels (outer size). Safe to
// re-enter: setting a size may report a resize that runs this again, which then finds the size in
// order.
void EnforceMinimumSize(FormWindow& form, TwipsPerPixel twips);

// Ends the measuring line at the centre of the inner area, where the view shows the focus point.
// Its start belongs to the measurement, which points it at the anchor.
void EndMeasuringLineAtCenter(const FormWindow& form, LineShape& LA);
