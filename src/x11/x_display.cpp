#include "x11/x_display.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

namespace {

// Our connections and the serial number of the last request that failed on each (0: none).
// Xlib calls the error handler on whichever thread used the connection, so it is locked.
struct OwnConnection {
    Display* display;
    unsigned long lastFailed;
};

std::mutex& ConnectionsLock() {
    static std::mutex lock;
    return lock;
}

std::vector<OwnConnection>& Connections() {
    static std::vector<OwnConnection> connections;
    return connections;
}

std::atomic<XErrorHandler>& PreviousHandler() {
    static std::atomic<XErrorHandler> previous{nullptr};
    return previous;
}

int NoteError(Display* display, XErrorEvent* error) {
    {
        const std::lock_guard lock(ConnectionsLock());
        for (OwnConnection& own : Connections()) {
            if (own.display == display) {
                own.lastFailed = error->serial;
                return 0;
            }
        }
    }
    const XErrorHandler previous = PreviousHandler().load();
    return previous != nullptr ? previous(display, error) : 0;
}

unsigned long LastFailedRequest(Display* display) {
    const std::lock_guard lock(ConnectionsLock());
    for (const OwnConnection& own : Connections()) {
        if (own.display == display) {
            return own.lastFailed;
        }
    }
    return 0;
}

}  // namespace

// The one it replaced handles the other connections' errors.
void KeepXErrorHandler() {
    const XErrorHandler replaced = XSetErrorHandler(NoteError);
    if (replaced != NoteError) {
        PreviousHandler().store(replaced);
    }
}

XDisplay XDisplay::Open(const char* name) {
    KeepXErrorHandler();
    Display* const display = XOpenDisplay(name);
    if (display != nullptr) {
        const std::lock_guard lock(ConnectionsLock());
        Connections().push_back({display, 0});
    }
    return XDisplay(display);
}

XDisplay::XDisplay(XDisplay&& other) noexcept : display_(std::exchange(other.display_, nullptr)) {}

XDisplay& XDisplay::operator=(XDisplay&& other) noexcept {
    if (this != &other) {
        Close();
        display_ = std::exchange(other.display_, nullptr);
    }
    return *this;
}

XDisplay::~XDisplay() {
    Close();
}

// Closing waits for the requests still under way, whose errors are still ours to ignore: the
// connection is forgotten only after.
void XDisplay::Close() {
    if (display_ == nullptr) {
        return;
    }
    Display* const display = std::exchange(display_, nullptr);
    XCloseDisplay(display);
    const std::lock_guard lock(ConnectionsLock());
    std::erase_if(Connections(),
                  [display](const OwnConnection& own) { return own.display == display; });
}

XErrorTrap::XErrorTrap(Display* display) : display_(display), firstRequest_(NextRequest(display)) {
    KeepXErrorHandler();
}

bool XErrorTrap::Failed() {
    XSync(display_, False);
    return LastFailedRequest(display_) >= firstRequest_;
}
