#pragma once

#include "ports/input_devices.h"

// A program that is not aware of the monitor's scale keeps its caret in its own logical units
// (96 dpi for an unaware program, the system DPI for a system-aware one), and the system reports
// it unconverted. Scales such a caret, given relative to its window's client area, to physical
// pixels. Unchanged when the two DPIs agree or one is unknown (not above 0).
CaretInfo CaretInPhysicalPixels(const CaretInfo& logical, int windowDpi, int monitorDpi);
