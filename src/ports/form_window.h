#pragma once

#include <cstdint>
#include <string>

#include "base/geometry.h"
#include "ports/drawing_surface.h"
#include "ports/picture.h"
#include "ports/screen_capture.h"

// The smallest outer size of the main window, in screen pixels: twice as wide as high.
inline constexpr int MinWindowWidthPx = 128;
inline constexpr int MinWindowHeightPx = 64;

// The two kinds of message box the program shows.
enum class MessageStyle {
    Refusal,  // error icon, OK
    About,    // question icon, OK, brought to the foreground
};

// A line drawn over the view picture, in client pixels (fractions allowed).
struct MeasuringLine {
    float fromX = 0;
    float fromY = 0;
    float toX = 0;
    float toY = 0;
    bool visible = false;
    bool operator==(const MeasuringLine&) const = default;
};

// The main window as the system presents it, in whole screen pixels: an outer rectangle (frame
// included), an inner area that shows the view picture, and the drawing surface over it.
class FormWindow {
  public:
    virtual ~FormWindow() = default;

    // Of a minimized window, the rectangle it comes back to. Some systems add the frame only
    // once the window is shown: until then this is the rectangle the program gave, frame
    // included, and the window keeps it when its frame arrives.
    virtual PixelRect OuterRect() const = 0;
    // The program's own placement: the rectangle is what the window gets, whatever the display
    // scale of the monitor it lands on. Any change of size is reported before the call returns.
    virtual void Move(const PixelRect& outer) = 0;
    // When no part of the window the user could grab lies on a monitor's work area (a monitor
    // that has gone), moves it at its size wholly inside the nearest one's.
    virtual void MoveOntoWorkArea() = 0;
    virtual PixelSize ClientSize() const = 0;
    // Dots per inch of the monitor the window is on (96 at 100 %).
    virtual int Dpi() const = 0;

    // Shows `picture` scaled to width x height pixels with the stretch mode, in place of the
    // previous picture and what was drawn over it. When the scaling fails the window keeps
    // showing what it showed.
    virtual void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                            StretchMode stretchMode) = 0;
    virtual DrawingSurface& Surface() = 0;
    // Drawn over the picture from the next paint on, until it changes again.
    virtual void SetMeasuringLine(const MeasuringLine& line) = 0;

    virtual void SetCaption(const std::string& text) = 0;
    virtual void Show() = 0;
    // Sets the outer rectangle, shows the window, activates it and puts it in or out of the
    // topmost band.
    virtual void PlaceWindow(const PixelRect& outer, bool topmost) = 0;
    // Hands the window to the system's move loop, as if its title bar had been pressed. It may
    // return when the button is released (Windows) or at once, the move going on under the
    // window manager: nothing may wait for its end.
    virtual void DragWindow() = 0;
    // Modal to the window; returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageStyle style) = 0;
    virtual void StopTimers() = 0;
    // Closes the window the way the system does: the program is told, then the window goes.
    virtual void Close() = 0;
};
