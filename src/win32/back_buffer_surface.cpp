#include "win32/back_buffer_surface.h"

#include <algorithm>

#include "base/rounding.h"
#include "ports/screen_capture.h"
#include "raster/area_average.h"
#include "raster/pixel_fill.h"
#include "raster/placement.h"

void BackBufferSurface::Resize(HDC compatibleWith, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (buffer_ && width == buffer_.Width() && height == buffer_.Height()) {
        return;
    }
    GdiPicture resized(compatibleWith, width, height);
    if (!resized) {
        return;  // keep the old buffer; painting shows what it holds
    }
    PatBlt(resized.Dc(), 0, 0, width, height, BLACKNESS);
    if (buffer_) {
        BitBlt(resized.Dc(), 0, 0, std::min(width, buffer_.Width()),
               std::min(height, buffer_.Height()), buffer_.Dc(), 0, 0, SRCCOPY);
    }
    buffer_.Swap(resized);
}

bool BackBufferSurface::ShowPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                                    StretchMode stretchMode) {
    if (!buffer_ || width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0) {
        return false;
    }
    const ConstPixelBlock& source = picture.pixels;
    PixelRect drawn{};  // what the scaled picture covers; the rest is black
    if (stretchMode == StretchMode::Average) {
        // Our own averaging: not every system's HALFTONE averages (Wine's keeps one pixel). It
        // writes the whole picture, the part off the screen black, so that a view pixel on the
        // screen's edge is the mean of what it covers there too.
        const PixelBlock target = buffer_.Pixels();
        drawn = {0, 0, std::min(width, target.width), std::min(height, target.height)};
        GdiFlush();  // what GDI drew must be in the pixels before they are written
        AverageScale(picture, width, height,
                     {target.pixels, drawn.width, drawn.height, target.stride});
    } else if (source.pixels != nullptr && source.width > 0 && source.height > 0) {
        drawn = ScalePlacement(picture.onScreen, picture.width, picture.height, width, height);
        if (drawn.width > 0 && drawn.height > 0) {
            const BITMAPINFO info = TopDownPixelInfo(source.stride, source.height);
            SetStretchBltMode(buffer_.Dc(), COLORONCOLOR);  // exact blocks when enlarging
            if (StretchDIBits(buffer_.Dc(), drawn.left, drawn.top, drawn.width, drawn.height, 0, 0,
                              source.width, source.height, source.pixels, &info, DIB_RGB_COLORS,
                              SRCCOPY) <= 0) {
                return false;
            }
        }
    }
    BlackenAround(drawn);
    return true;
}

void BackBufferSurface::BlackenAround(const PixelRect& drawn) {
    const int width = buffer_.Width();
    const int height = buffer_.Height();
    const auto blacken = [this](int left, int top, int right, int bottom) {
        if (right > left && bottom > top) {
            PatBlt(buffer_.Dc(), left, top, right - left, bottom - top, BLACKNESS);
        }
    };
    if (drawn.width <= 0 || drawn.height <= 0) {
        blacken(0, 0, width, height);
        return;
    }
    const int right = drawn.left + drawn.width;
    const int bottom = drawn.top + drawn.height;
    blacken(0, 0, width, drawn.top);
    blacken(0, bottom, width, height);
    blacken(0, drawn.top, drawn.left, bottom);
    blacken(right, drawn.top, width, bottom);
}

void BackBufferSurface::SetDpi(int dpi) {
    if (dpi > 0) {
        dpi_ = dpi;
    }
}

PixelSize BackBufferSurface::Size() const {
    return {buffer_.Width(), buffer_.Height()};
}

FontTexts& BackBufferSurface::Font(const FontSpec& font) {
    return texts_.For(Dc(), FontKey{std::string(font.face), font.points, font.bold, dpi_});
}

PixelSize BackBufferSurface::MeasureText(const std::string& text, const FontSpec& font) {
    if (!buffer_) {
        return {};
    }
    const SIZE extent = Font(font).Measure(Dc(), text);
    return {extent.cx, extent.cy};
}

void BackBufferSurface::PrintText(std::int32_t x, std::int32_t y, const std::string& text,
                                  const FontSpec& font, Color color) {
    if (buffer_) {
        Font(font).Print(Dc(), text, buffer_.Pixels(), x, y, color);
    }
}

void BackBufferSurface::FillBox(std::int32_t left, std::int32_t top, std::int32_t right,
                                std::int32_t bottom, Color color) {
    if (!buffer_) {
        return;
    }
    // A solid fill of a 32-bit DIB is its colour in every pixel: written straight, as the colour
    // read-out's boxes are filled on every rendering.
    GdiFlush();  // what GDI drew must be in the pixels before they are written
    ::FillBox(buffer_.Pixels(), left, top, right, bottom, PixelOf(color));
}

// Written into the pixels: the centre cross comes with every rendering.
void BackBufferSurface::InvertCross(std::int32_t x, std::int32_t y, std::int32_t lineWidth) {
    if (!buffer_) {
        return;
    }
    GdiFlush();  // what GDI drew must be in the pixels before they are written
    ::InvertCross(buffer_.Pixels(), x, y, lineWidth);
}
