#pragma once

#include <vector>

#include "bench_window.h"

// The floor of one rendering, the program's rendering and their ratio, for each case.
int RenderPart(const std::vector<ViewCase>& cases);
// The program's whole rendered tick with the first-run overlays against the floor plus the
// paint, for each case; then where the overlays' time goes.
int TickPart(const std::vector<ViewCase>& cases);
// Live GDI objects and working set over 10,000 renderings that mix `large` with small views.
int MemoryPart(const ViewCase& large);
