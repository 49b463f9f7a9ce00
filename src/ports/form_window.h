#pragma once

#include <cstdint>
#include <string>

#include "ports/drawing_surface.h"
#include "ports/line_shape.h"
#include "ports/picture.h"

// The smallest outer size of the main window, in screen pixels: twice as wide as high.
inline constexpr int MinWindowWidthPx = 128;
inline constexpr int MinWindowHeightPx = 64;

// The two kinds of message box the program shows.
enum class MessageStyle {
    Refusal,  // error icon, OK
    About,    // question icon, OK, brought to the foreground
};

// The main window as the toolkit presents it: outer geometry in twips (frame included), an inner
// area measured in twips, a background picture shown at its top-left at its own size, and the
// drawing surface over it.
class FormWindow {
  public:
    virtual ~FormWindow() = default;

    virtual float Left() const = 0;
    virtual float Top() const = 0;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    // Setting a size may make the toolkit report a resize before the call returns.
    virtual void SetWidth(float twips) = 0;
    virtual void SetHeight(float twips) = 0;
    virtual void Move(float left, float top, float width, float height) = 0;
    // When the window lies on no monitor's work area (a monitor that has gone), moves it at its
    // size wholly inside the nearest one's; a window partly on one stays where it is.
    virtual void MoveOntoWorkArea() = 0;

    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // Twips per screen pixel of the monitor the window is on: the whole number nearest to
    // 1440 / DPI, halves to even (15 at 96 dpi, 8 at 192), the same across and down. Every
    // conversion between the window's twips and pixels uses it.
    virtual float ScreenTwipsPerPixelX() const = 0;
    virtual float ScreenTwipsPerPixelY() const = 0;

    // Shows `picture` scaled to width x height pixels with the stretch mode, in place of the
    // previous picture and what was drawn over it. When the scaling fails the window keeps
    // showing what it showed.
    virtual void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                            int stretchMode) = 0;
    virtual DrawingSurface& Surface() = 0;
    // The measuring line, drawn over the picture from the next paint on until it changes again.
    virtual void SetMeasuringLine(const LineShape& line) = 0;

    virtual void SetCaption(const std::string& text) = 0;
    virtual void Show() = 0;
    // Sets the outer rectangle in screen pixels, shows the window, activates it and puts it in
    // or out of the topmost band.
    virtual void PlaceWindow(std::int32_t left, std::int32_t top, std::int32_t width,
                             std::int32_t height, bool topmost) = 0;
    // Hands the window to the system's move loop, as if its title bar had been pressed; returns
    // when the button is released.
    virtual void DragWindow() = 0;
    // Modal to the window; returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageStyle style) = 0;
    virtual void StopTimers() = 0;
    // Closes the window the way the system does: unload, then destroy.
    virtual void Unload() = 0;
};
