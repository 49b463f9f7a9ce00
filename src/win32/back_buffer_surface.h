#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "base/twips.h"
#include "ports/drawing_surface.h"
#include "ports/picture.h"
#include "win32/gdi_picture.h"
#include "win32/handles.h"
#include "win32/text_masks.h"

// The main window's drawing surface: a DIB of the client area's size that holds the view picture,
// scaled straight into it, and everything drawn over it; the window copies it when it paints.
// Coordinates arrive in twips and are turned into pixels here.
class BackBufferSurface : public DrawingSurface {
  public:
    BackBufferSurface() = default;
    BackBufferSurface(const BackBufferSurface&) = delete;
    BackBufferSurface& operator=(const BackBufferSurface&) = delete;

    // Makes the buffer the given client size, keeping what it shows at the top-left; new parts
    // are black.
    void Resize(HDC compatibleWith, int width, int height);
    // Scales `picture` to width x height at the top-left, with our own averaging for
    // StretchMode::Halftone and the system's stretch mode otherwise; the rest of the buffer turns
    // black. False, with the buffer as it was, when the scaling fails.
    bool ShowPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                     int stretchMode);
    void SetTwipsPerPixel(float x, float y);
    void SetDpi(int dpi);
    HDC Dc() const { return buffer_.Dc(); }

    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float PixelWidth() const override { return twipsX_; }
    float PixelHeight() const override { return twipsY_; }
    ColorValue ForeColor() const override { return foreColor_; }
    void SetForeColor(ColorValue color) override { foreColor_ = color; }
    int DrawMode() const override { return drawMode_; }
    void SetDrawMode(int mode) override { drawMode_ = mode; }
    int DrawWidth() const override { return drawWidth_; }
    void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void SetFontName(const std::string& face) override;
    void SetFontSize(float points) override;
    void SetFontBold(bool bold) override;
    void SetCurrentX(float twips) override { currentX_ = twips; }
    void SetCurrentY(float twips) override { currentY_ = twips; }
    void Print(const std::string& text) override;
    float TextWidth(const std::string& text) const override;
    float TextHeight(const std::string& text) const override;
    void DrawLine(float x1, float y1, float x2, float y2, ColorValue color) override;
    void FillBox(float x1, float y1, float x2, float y2, ColorValue color) override;
    void FrameBox(float x1, float y1, float x2, float y2, ColorValue color) override;

  private:
    int ToPixelsX(float twips) const;
    int ToPixelsY(float twips) const;
    SIZE MeasureText(const std::string& text) const;
    HFONT Font() const;
    RECT BoxRect(float x1, float y1, float x2, float y2) const;
    void PaintBox(float x1, float y1, float x2, float y2, ColorValue color, bool filled);
    HPEN Pen(COLORREF color);
    bool InvertStraightLine(int x1, int y1, int x2, int y2, COLORREF color);
    void BlackenAround(const PixelRect& drawn);

    GdiPicture buffer_;
    int dpi_ = StandardDpi;
    float twipsX_ = StandardTwipsPerPixel;
    float twipsY_ = StandardTwipsPerPixel;

    ColorValue foreColor_ = 0;
    int drawMode_ = DrawModes::CopyPen;
    int drawWidth_ = 1;
    std::string fontName_;  // until the program sets a font: the system's default
    float fontSize_ = 0;
    bool fontBold_ = false;
    float currentX_ = 0;
    float currentY_ = 0;
    using FontKey = std::tuple<std::string, float, bool, int>;  // face, points, bold, dpi
    static constexpr std::size_t MaxCachedFonts = 8;
    mutable std::map<FontKey, UniqueFont> fonts_;
    // The font of the current face, size and bold at fontDpi_, once asked for.
    mutable HFONT font_ = nullptr;
    mutable int fontDpi_ = 0;
    // The DC's own pen is one pixel wide; a wider line needs a pen of its own, kept for the next.
    UniquePen widePen_;
    int widePenWidth_ = 0;
    COLORREF widePenColor_ = 0;
    // After the fonts, so that it lets go of the one it holds selected before they are deleted.
    mutable TextMasks texts_;
};
