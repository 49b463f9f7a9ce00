#pragma once

#include "platform/line_shape.h"

// What the toolkit window reports to the program's logic, on the UI thread, one at a time.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    virtual void OnTimer1() = 0;
    virtual void OnTimer2() = 0;
    // After every change of the window's size.
    virtual void OnResize() = 0;
    // The window is about to close; it is destroyed when this returns.
    virtual void OnUnload() = 0;
    // The measuring line, drawn over the picture whenever the window paints.
    virtual const LineShape& MeasuringLine() const = 0;
};
