#pragma once

#include <memory>
#include <optional>

#include "base/geometry.h"

// Where the content of the active window starts, in root coordinates: the origin a toolkit that
// answers only in window coordinates counts from. The X window of a toolkit that draws its own
// frame begins with the frame's shadow, which it names in _GTK_FRAME_EXTENTS. Talks to the X
// server on a connection of its own, opened at the first question and used from one thread; each
// request brings its error back with its reply, so no process-wide X error handler is involved.
class ActiveWindowOrigin {
  public:
    ActiveWindowOrigin();
    ~ActiveWindowOrigin();
    ActiveWindowOrigin(const ActiveWindowOrigin&) = delete;
    ActiveWindowOrigin& operator=(const ActiveWindowOrigin&) = delete;

    // Nothing without an X display, a window manager that names the active window, or that
    // window (it may have gone since).
    std::optional<ScreenPoint> Find();

  private:
    struct Server;
    std::unique_ptr<Server> server_;
    bool tried_ = false;
};
