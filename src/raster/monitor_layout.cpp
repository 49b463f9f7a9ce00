#include "raster/monitor_layout.h"

#include "raster/placement.h"

void MonitorLayout::Update(const PixelRect& virtualScreen, const std::vector<PixelRect>& monitors) {
    if (virtualScreen == virtualScreen_ && monitors == monitors_) {
        return;
    }
    virtualScreen_ = virtualScreen;
    monitors_ = monitors;
    offMonitors_ =
        monitors.empty() ? std::vector<PixelRect>{} : UncoveredParts(virtualScreen, monitors);
}
