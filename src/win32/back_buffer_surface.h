#pragma once

#include <windows.h>

#include "base/twips.h"
#include "ports/drawing_surface.h"
#include "ports/picture.h"
#include "ports/screen_capture.h"
#include "win32/gdi_picture.h"
#include "win32/text_cache.h"

// The main window's drawing surface: a DIB of the client area's size that holds the view picture,
// scaled straight into it, and everything drawn over it; the window copies it when it paints.
class BackBufferSurface : public DrawingSurface {
  public:
    BackBufferSurface() = default;
    BackBufferSurface(const BackBufferSurface&) = delete;
    BackBufferSurface& operator=(const BackBufferSurface&) = delete;

    // Makes the buffer the given client size, keeping what it shows at the top-left; new parts
    // are black.
    void Resize(HDC compatibleWith, int width, int height);
    // Scales `picture` to width x height at the top-left, with our own averaging for
    // StretchMode::Average and the system's COLORONCOLOR otherwise; the rest of the buffer turns
    // black. False, with the buffer as it was, when the scaling fails.
    bool ShowPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                     StretchMode stretchMode);
    // The display scale fonts are made for.
    void SetDpi(int dpi);
    HDC Dc() const { return buffer_.Dc(); }

    PixelSize Size() const override;
    int Dpi() const override { return dpi_; }
    PixelSize MeasureText(const std::string& text, const FontSpec& font) override;
    void PrintText(std::int32_t x, std::int32_t y, const std::string& text, const FontSpec& font,
                   Color color) override;
    void FillBox(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 Color color) override;
    void InvertCross(std::int32_t x, std::int32_t y, std::int32_t lineWidth) override;

  private:
    FontTexts& Font(const FontSpec& font);
    void BlackenAround(const PixelRect& drawn);

    GdiPicture buffer_;
    int dpi_ = StandardDpi;
    TextCache texts_;
};
