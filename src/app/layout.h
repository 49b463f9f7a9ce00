#pragma once

#include "ports/form_window.h"

// Keeps the window at least MinWindowWidthPx x MinWindowHeightPx pixels (outer size). Safe to
// re-enter: the resize it sets off runs it again, which then finds the size in order.
void EnforceMinimumSize(FormWindow& form);

// Starts the measuring line at the centre of the inner area, where the view shows the focus
// point. Its far end belongs to the measurement, which points it at the anchor.
void StartMeasuringLineAtCenter(const FormWindow& form, MeasuringLine& line);
