#include "raster/monitor_layout.h"

#include "raster/pixel_fill.h"
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

void MonitorLayout::BlackenOffMonitors(const PixelBlock& capture, const PixelRect& part) const {
    for (const PixelRect& off : offMonitors_) {
        if (const auto dark = Intersect(part, off)) {
            FillRect(capture,
                     {dark->left - part.left, dark->top - part.top, dark->width, dark->height}, 0);
        }
    }
}
