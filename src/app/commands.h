#pragma once

#include <cstdint>

#include "core/option_table.h"

// What a picked menu item can set off in the main window.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    virtual OptionTable& Options() = 0;
    // Checks the zoom item and lays the window out; the next rendering shows the zoom.
    virtual void SelectZoom(std::int16_t zoom) = 0;
    // Renders the view and its overlays at once, whether or not the focus point moved.
    virtual void ForceRefresh() = 0;
    virtual void ShowMeasuringLine(bool visible) = 0;
    // Following the mouse stopped: the colour under the pointer where it stopped is kept.
    virtual void KeepPointerColor() = 0;
    // Following the caret started or stopped.
    virtual void WatchCaret(bool on) = 0;
    virtual void SetOnTop(bool onTop) = 0;
    // Writes or deletes the Run entry, then checks the item by what the Run key holds.
    virtual void SetAutorun(bool on) = 0;
    // Returns when the user has closed the box.
    virtual void ShowAbout() = 0;
    // Closes the program through its normal shutdown.
    virtual void Close() = 0;
};

// Carries out the popup menu item `index`, decided by the index alone: a zoom item selects its
// zoom; an option item toggles (after unchecking the item it excludes: CMY and CMYK) and, where
// its effect is drawn over the picture, refreshes the view at once; the foreground and autorun
// items apply their new state; About and Close do what they say. Any other index does nothing.
void DispatchMenuItem(CommandTarget& target, int index);
