#pragma once

#include <memory>

#include "platform/drawing_surface.h"
#include "platform/picture.h"

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

    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // The screen's twips per pixel where the window is, unrounded (15 at 96 dpi).
    virtual float ScreenTwipsPerPixelX() const = 0;
    virtual float ScreenTwipsPerPixelY() const = 0;

    // Shows `picture` scaled to width x height pixels with the stretch mode, in place of the
    // previous picture and what was drawn over it. When the scaling fails the window keeps
    // showing what it showed.
    virtual void SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                            int stretchMode) = 0;
    virtual DrawingSurface& Surface() = 0;

    virtual void SetCaption(const std::string& text) = 0;
    virtual void Show() = 0;
    virtual void StopTimers() = 0;
};
