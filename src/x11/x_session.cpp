#include "x11/x_session.h"

#include <X11/Xlib.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "x11/x_display.h"

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// The value of "Xft.dpi:" in the resource database's text, rounded; 96 without one.
int XftDpi(Display* display) {
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr) {
        return 96;
    }
    constexpr std::string_view Key = "Xft.dpi:";
    std::string_view text(resources);
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (line.starts_with(Key)) {
            const double dpi = std::atof(std::string(line.substr(Key.size())).c_str());
            return dpi >= 1 ? static_cast<int>(std::lround(dpi)) : 96;
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return 96;
}

}  // namespace

X11Session CheckX11Session() {
    X11Session session;
    const char* type = std::getenv("XDG_SESSION_TYPE");
    const bool wayland = (type != nullptr && std::string_view(type) == "wayland") ||
                         (Set("WAYLAND_DISPLAY") && !Set("DISPLAY"));
    const XDisplay display = Set("DISPLAY") ? XDisplay::Open() : XDisplay();
    session.displayOpens = static_cast<bool>(display);
    if (wayland) {
        session.support = SystemSupport::WaylandSession;
    } else if (!display) {
        session.support = SystemSupport::NoDisplay;
    } else {
        const int depth = DefaultDepth(display.get(), DefaultScreen(display.get()));
        session.support =
            depth == 24 || depth == 32 ? SystemSupport::Supported : SystemSupport::UnsupportedDepth;
    }
    if (display) {
        session.dpi = XftDpi(display.get());
    }
    return session;
}
