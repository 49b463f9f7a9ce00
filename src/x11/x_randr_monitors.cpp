#include "x11/x_randr_monitors.h"

#include <X11/extensions/Xrandr.h>

#include <memory>

namespace {

struct FreeMonitors {
    void operator()(XRRMonitorInfo* monitors) const { XRRFreeMonitors(monitors); }
};

}  // namespace

bool ListsMonitors(Display* display) {
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    // Asked first without the RandR library, which keeps a record it never frees for a
    // connection to a server without RandR.
    return XQueryExtension(display, "RANDR", &opcode, &event, &error) &&
           XRRQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 5));
}

std::vector<PixelRect> ActiveMonitors(Display* display) {
    std::vector<PixelRect> monitors;
    int count = 0;
    const std::unique_ptr<XRRMonitorInfo, FreeMonitors> list(
        XRRGetMonitors(display, DefaultRootWindow(display), True, &count));
    for (int i = 0; list && i < count; ++i) {
        const XRRMonitorInfo& m = list.get()[i];
        monitors.push_back({m.x, m.y, m.width, m.height});
    }
    return monitors;
}
