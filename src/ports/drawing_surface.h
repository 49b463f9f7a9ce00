#pragma once

#include <string>

#include "base/color.h"

// The main window's drawing surface: its client area over the background picture, measured in
// twips, drawing into the same back buffer as the view picture. Texts are UTF-8.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // Inner size in twips.
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    // Length of one screen pixel in twips, horizontally and vertically (unrounded).
    virtual float PixelWidth() const = 0;
    virtual float PixelHeight() const = 0;

    virtual ColorValue ForeColor() const = 0;
    virtual void SetForeColor(ColorValue color) = 0;

    // Raster operation of lines (13 = copy pen, 7 = exclusive-or pen) and their width in pixels.
    virtual int DrawMode() const = 0;
    virtual void SetDrawMode(int mode) = 0;
    virtual int DrawWidth() const = 0;
    virtual void SetDrawWidth(int pixels) = 0;

    virtual void SetFontName(const std::string& face) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetFontBold(bool bold) = 0;

    virtual void SetCurrentX(float twips) = 0;
    virtual void SetCurrentY(float twips) = 0;
    // Prints at the current position in the fore colour; paints the glyphs only.
    virtual void Print(const std::string& text) = 0;
    virtual float TextWidth(const std::string& text) const = 0;
    virtual float TextHeight(const std::string& text) const = 0;

    virtual void DrawLine(float x1, float y1, float x2, float y2, ColorValue color) = 0;
    // A rectangle between two corners, filled or as a one-pixel frame.
    virtual void FillBox(float x1, float y1, float x2, float y2, ColorValue color) = 0;
    virtual void FrameBox(float x1, float y1, float x2, float y2, ColorValue color) = 0;
};

namespace DrawModes {
inline constexpr int CopyPen = 13;
inline constexpr int XorPen = 7;
}  // namespace DrawModes
