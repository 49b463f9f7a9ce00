#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/geometry.h"
#include "raster/monitor_layout.h"

// The root window's size and the monitors on it, read through RandR 1.5 (an older RandR, or none:
// the root as one monitor). X keeps pixels where no monitor shows them, below the shorter of two
// monitors; they belong to no monitor here. Read again at most once a second, as the layout
// changes seldom and its notifications would need the connection's events, or at once after
// Forget.
class XMonitors {
  public:
    explicit XMonitors(Display* display);

    // The root window; it starts at (0, 0). Empty when it cannot be read.
    const PixelRect& Root();
    // The parts of the root that lie on no monitor.
    const std::vector<PixelRect>& OffMonitors();
    bool OnMonitor(std::int32_t x, std::int32_t y);
    // The layout changed: the next question reads it again.
    void Forget() { readAt_.reset(); }

  private:
    void Renew();

    Display* display_;
    bool listsMonitors_ = false;  // RandR 1.5 or later
    PixelRect root_;
    std::vector<PixelRect> monitors_;
    MonitorLayout layout_;  // works out the parts on no monitor when the layout differs
    std::optional<std::chrono::steady_clock::time_point> readAt_;
};
