#include "x11/x_monitors.h"

#include <algorithm>

#include "x11/x_randr_monitors.h"

namespace {

constexpr std::chrono::seconds LayoutLife{1};

}  // namespace

XMonitors::XMonitors(Display* display)
    : display_(display), listsMonitors_(display != nullptr && ListsMonitors(display)) {}

const PixelRect& XMonitors::Root() {
    Renew();
    return root_;
}

const std::vector<PixelRect>& XMonitors::OffMonitors() {
    Renew();
    return layout_.OffMonitors();
}

bool XMonitors::OnMonitor(std::int32_t x, std::int32_t y) {
    Renew();
    return std::any_of(monitors_.begin(), monitors_.end(), [x, y](const PixelRect& m) {
        return x >= m.left && y >= m.top && std::int64_t{x} - m.left < m.width &&
               std::int64_t{y} - m.top < m.height;
    });
}

void XMonitors::Renew() {
    const auto now = std::chrono::steady_clock::now();
    if (readAt_ && now - *readAt_ < LayoutLife) {
        return;
    }
    readAt_ = now;
    root_ = {};
    monitors_.clear();
    if (display_ == nullptr) {
        layout_.Update({}, {});
        return;
    }
    // The root's size in the screen's record stays as it was at the connection's start: ask.
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (!XGetGeometry(display_, DefaultRootWindow(display_), &root, &x, &y, &width, &height,
                      &border, &depth)) {
        layout_.Update({}, {});
        return;
    }
    root_ = {0, 0, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
    if (listsMonitors_) {
        monitors_ = ActiveMonitors(display_);
    }
    if (monitors_.empty()) {
        monitors_.push_back(root_);
    }
    layout_.Update(root_, monitors_);
}
