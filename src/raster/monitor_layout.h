#pragma once

#include <vector>

#include "ports/picture.h"

// The virtual screen and its monitors as last read, and the parts of the virtual screen that lie
// on no monitor (below the shorter of two): the system shows nothing there, though some keep old
// pixels.
class MonitorLayout {
  public:
    // Takes a new reading; no monitors means the system gave no answer, and then the whole virtual
    // screen counts. The parts on no monitor are worked out again only when the reading differs
    // from the last: a monitor can change its mode within the virtual screen's outline, and not
    // every system says so.
    void Update(const PixelRect& virtualScreen, const std::vector<PixelRect>& monitors);
    const PixelRect& VirtualScreen() const { return virtualScreen_; }
    const std::vector<PixelRect>& OffMonitors() const { return offMonitors_; }
    // Blackens the pixels of `capture`, which holds `part` of the screen at its top-left, that lie
    // on no monitor.
    void BlackenOffMonitors(const PixelBlock& capture, const PixelRect& part) const;

  private:
    PixelRect virtualScreen_;
    std::vector<PixelRect> monitors_;
    std::vector<PixelRect> offMonitors_;
};
