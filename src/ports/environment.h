#pragma once

// Whether the program can serve the user on this system, and if not, why.
enum class SystemSupport {
    Supported,
    Windows9x,         // Windows 95, 98 or ME
    WaylandSession,    // no program may read the screen there
    NoDisplay,         // no X display to show on
    UnsupportedDepth,  // a screen that is not 24 or 32 bits deep
};

class Environment {
  public:
    virtual ~Environment() = default;
    virtual SystemSupport CheckSystem() = 0;
};
