#include "win32/back_buffer_surface.h"

#include <algorithm>
#include <cmath>

#include "base/rounding.h"
#include "ports/screen_capture.h"
#include "win32/area_average.h"
#include "win32/placement.h"
#include "win32/text_conversion.h"

namespace {

int CALLBACK NoteFaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &query, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

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
                                    int stretchMode) {
    if (!buffer_ || width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0) {
        return false;
    }
    const ConstPixelBlock& source = picture.pixels;
    PixelRect drawn{};  // what the scaled picture covers; the rest is black
    if (stretchMode == StretchMode::Halftone) {
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
            if (stretchMode >= BLACKONWHITE && stretchMode <= HALFTONE) {
                SetStretchBltMode(buffer_.Dc(), stretchMode);
            }
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

void BackBufferSurface::SetTwipsPerPixel(float x, float y) {
    twipsX_ = x;
    twipsY_ = y;
}

void BackBufferSurface::SetDpi(int dpi) {
    if (dpi > 0) {
        dpi_ = dpi;
    }
}

float BackBufferSurface::ScaleWidth() const {
    return static_cast<float>(buffer_.Width()) * twipsX_;
}
float BackBufferSurface::ScaleHeight() const {
    return static_cast<float>(buffer_.Height()) * twipsY_;
}

// Each read-out sets its font on every rendering, mostly to what it was.
void BackBufferSurface::SetFontName(const std::string& face) {
    if (face != fontName_) {
        fontName_ = face;
        font_ = nullptr;
    }
}
void BackBufferSurface::SetFontSize(float points) {
    if (points != fontSize_) {
        fontSize_ = points;
        font_ = nullptr;
    }
}
void BackBufferSurface::SetFontBold(bool bold) {
    if (bold != fontBold_) {
        fontBold_ = bold;
        font_ = nullptr;
    }
}

HFONT BackBufferSurface::Font() const {
    if (font_ != nullptr && fontDpi_ == dpi_) {
        return font_;
    }
    fontDpi_ = dpi_;
    // Every rendering switches between the read-outs' fonts, so each is made once and kept.
    const FontKey key{fontName_, fontSize_, fontBold_, dpi_};
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return font_ = found->second.get();
    }
    if (!buffer_) {
        return nullptr;
    }
    if (fonts_.size() >= MaxCachedFonts) {
        texts_.Forget();  // its scratches let go of the fonts they hold selected
        fonts_.clear();
    }
    LOGFONTW spec{};
    spec.lfHeight = -static_cast<LONG>(std::lround(fontSize_ * static_cast<float>(dpi_) / 72));
    spec.lfWeight = fontBold_ ? FW_BOLD : FW_NORMAL;
    spec.lfCharSet = DEFAULT_CHARSET;
    spec.lfQuality = NONANTIALIASED_QUALITY;
    const std::wstring face = Widen(fontName_);
    if (FaceInstalled(Dc(), face)) {
        face.copy(spec.lfFaceName, LF_FACESIZE - 1);
    } else {
        // A face this system lacks (Wine has no "Terminal"): let the mapper pick a
        // fixed-pitch face of the same size, which keeps columns of figures aligned.
        spec.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    }
    return font_ = fonts_.emplace(key, UniqueFont(CreateFontIndirectW(&spec))).first->second.get();
}

int BackBufferSurface::ToPixelsX(float twips) const {
    return RoundToInt32(static_cast<double>(twips) / twipsX_);
}

int BackBufferSurface::ToPixelsY(float twips) const {
    return RoundToInt32(static_cast<double>(twips) / twipsY_);
}

SIZE BackBufferSurface::MeasureText(const std::string& text) const {
    if (!buffer_) {
        return SIZE{0, 0};
    }
    return texts_.Measure(Dc(), Font(), text);
}

void BackBufferSurface::Print(const std::string& text) {
    if (!buffer_) {
        return;
    }
    texts_.Print(Dc(), Font(), text, buffer_.Pixels(), ToPixelsX(currentX_), ToPixelsY(currentY_),
                 static_cast<COLORREF>(foreColor_) & 0x00FFFFFF);
}

float BackBufferSurface::TextWidth(const std::string& text) const {
    return static_cast<float>(MeasureText(text).cx) * twipsX_;
}

float BackBufferSurface::TextHeight(const std::string& text) const {
    return static_cast<float>(MeasureText(text).cy) * twipsY_;
}

void BackBufferSurface::DrawLine(float x1, float y1, float x2, float y2, ColorValue color) {
    if (!buffer_) {
        return;
    }
    const auto rgb = static_cast<COLORREF>(color) & 0x00FFFFFF;
    if (drawMode_ == DrawModes::XorPen &&
        InvertStraightLine(ToPixelsX(x1), ToPixelsY(y1), ToPixelsX(x2), ToPixelsY(y2), rgb)) {
        return;
    }
    SelectGuard select(Dc(), Pen(rgb));
    SetDCPenColor(Dc(), rgb);
    const int previousMode = SetROP2(Dc(), drawMode_);
    MoveToEx(Dc(), ToPixelsX(x1), ToPixelsY(y1), nullptr);
    LineTo(Dc(), ToPixelsX(x2), ToPixelsY(y2));
    if (previousMode != 0) {
        SetROP2(Dc(), previousMode);
    }
}

// The centre cross, on every rendering: an exclusive-or line straight across or down is written
// into the pixels, covering what GDI's pen of that width covers, from half the width before the
// line.
bool BackBufferSurface::InvertStraightLine(int x1, int y1, int x2, int y2, COLORREF color) {
    if (x1 != x2 && y1 != y2) {
        return false;
    }
    const PixelBlock pixels = buffer_.Pixels();
    const int width = std::max(drawWidth_, 1);
    const bool down = x1 == x2;
    // The band of rows and columns the line covers, clipped to the buffer.
    const int across = (down ? x1 : y1) - width / 2;
    const int from = std::max(0, down ? std::min(y1, y2) : std::min(x1, x2));
    const int to = std::min(down ? pixels.height : pixels.width,
                            (down ? std::max(y1, y2) : std::max(x1, x2)) + (width > 1 ? 1 : 0));
    const int first = std::max(across, 0);
    const int last = std::min(across + width, down ? pixels.width : pixels.height);
    const std::uint32_t ink = DibPixel(color);
    GdiFlush();  // what GDI drew must be in the pixels before they are written
    for (int band = first; band < last; ++band) {
        for (int along = from; along < to; ++along) {
            const int x = down ? band : along;
            const int y = down ? along : band;
            pixels.pixels[static_cast<std::ptrdiff_t>(y) * pixels.stride + x] ^= ink;
        }
    }
    return true;
}

HPEN BackBufferSurface::Pen(COLORREF color) {
    if (drawWidth_ <= 1) {
        return static_cast<HPEN>(GetStockObject(DC_PEN));
    }
    if (!widePen_ || widePenWidth_ != drawWidth_ || widePenColor_ != color) {
        widePen_.reset(CreatePen(PS_SOLID, drawWidth_, color));  // not selected anywhere now
        widePenWidth_ = drawWidth_;
        widePenColor_ = color;
    }
    return widePen_.get();
}

RECT BackBufferSurface::BoxRect(float x1, float y1, float x2, float y2) const {
    // Both corners belong to the box, as with a toolkit's "line, box" between two points.
    const int left = ToPixelsX(std::min(x1, x2));
    const int top = ToPixelsY(std::min(y1, y2));
    const int right = ToPixelsX(std::max(x1, x2)) + 1;
    const int bottom = ToPixelsY(std::max(y1, y2)) + 1;
    return RECT{left, top, right, bottom};
}

void BackBufferSurface::PaintBox(float x1, float y1, float x2, float y2, ColorValue color,
                                 bool filled) {
    if (!buffer_) {
        return;
    }
    const auto rgb = static_cast<COLORREF>(color) & 0x00FFFFFF;
    const RECT box = BoxRect(x1, y1, x2, y2);
    if (filled) {
        // A solid fill of a 32-bit DIB is its colour in every pixel: written straight, as the
        // colour read-out's boxes are filled on every rendering.
        const PixelBlock pixels = buffer_.Pixels();
        const int left = std::max<int>(box.left, 0);
        const int right = std::min<int>(box.right, pixels.width);
        const int bottom = std::min<int>(box.bottom, pixels.height);
        GdiFlush();  // what GDI drew must be in the pixels before they are written
        for (int y = std::max<int>(box.top, 0); y < bottom && left < right; ++y) {
            std::uint32_t* const line = pixels.pixels + std::ptrdiff_t{y} * pixels.stride;
            std::fill(line + left, line + right, DibPixel(rgb));
        }
        return;
    }
    SetDCBrushColor(Dc(), rgb);
    FrameRect(Dc(), &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void BackBufferSurface::FillBox(float x1, float y1, float x2, float y2, ColorValue color) {
    PaintBox(x1, y1, x2, y2, color, true);
}

void BackBufferSurface::FrameBox(float x1, float y1, float x2, float y2, ColorValue color) {
    PaintBox(x1, y1, x2, y2, color, false);
}
