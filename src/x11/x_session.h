#pragma once

#include "ports/environment.h"

// What the X11 program finds out about the session before its toolkit starts: whether it can
// serve the user here, whether a box can be shown to say why not, and the display scale.
struct X11Session {
    SystemSupport support = SystemSupport::Supported;
    bool displayOpens = false;
    // Xft.dpi of the X resources, whole; 96 when unset. One scale for every monitor.
    int dpi = 96;
};

// Under Wayland (XDG_SESSION_TYPE=wayland, or WAYLAND_DISPLAY without DISPLAY) no program may
// read the screen; without a display, or on one that is not 24 or 32 bits deep, there is nothing
// to read it with.
X11Session CheckX11Session();

// The session as it was found at start.
class X11Environment : public Environment {
  public:
    explicit X11Environment(SystemSupport support) : support_(support) {}
    SystemSupport CheckSystem() override { return support_; }

  private:
    SystemSupport support_;
};
