#pragma once

#include <X11/Xlib.h>

#include <vector>

#include "base/geometry.h"

// RandR's view of the monitors, apart from the rest: its headers name an X type `Picture`, as the
// program's captured picture is named.

// Whether the server lists monitors (RandR 1.5 or later).
bool ListsMonitors(Display* display);
// The active monitors in root coordinates; none when the server lists none or the request fails.
std::vector<PixelRect> ActiveMonitors(Display* display);
