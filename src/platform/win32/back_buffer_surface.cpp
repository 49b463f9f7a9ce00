#include "platform/win32/back_buffer_surface.h"

#include <algorithm>
#include <cmath>

#include "core/rounding.h"
#include "platform/win32/text_conversion.h"

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

BackBufferSurface::BackBufferSurface() = default;

BackBufferSurface::~BackBufferSurface() {
    // A bitmap cannot be deleted while a DC holds it.
    if (dc_ && originalBitmap_ != nullptr) {
        SelectObject(dc_.get(), originalBitmap_);
    }
}

void BackBufferSurface::Resize(HDC compatibleWith, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (!dc_) {
        dc_ = UniqueMemoryDc(compatibleWith);
    }
    UniqueBitmap bitmap(CreateCompatibleBitmap(compatibleWith, width, height));
    if (!dc_ || !bitmap) {
        return;  // keep the old buffer; painting shows what it holds
    }
    HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (originalBitmap_ == nullptr) {
        originalBitmap_ = previous;
    }
    bitmap_ = std::move(bitmap);  // the old bitmap is no longer selected, so it can go
    width_ = width;
    height_ = height;
    Reset(nullptr);
}

void BackBufferSurface::Reset(HBITMAP picture) {
    if (!dc_) {
        return;
    }
    PatBlt(dc_.get(), 0, 0, width_, height_, BLACKNESS);
    if (picture == nullptr) {
        return;
    }
    BITMAP info{};
    if (GetObjectW(picture, sizeof(info), &info) == 0) {
        return;
    }
    UniqueMemoryDc source(dc_.get());
    SelectGuard select(source.get(), picture);
    BitBlt(dc_.get(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
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
    return static_cast<float>(width_) * twipsX_;
}
float BackBufferSurface::ScaleHeight() const {
    return static_cast<float>(height_) * twipsY_;
}

void BackBufferSurface::SetFontName(const std::string& face) {
    fontName_ = face;
}
void BackBufferSurface::SetFontSize(float points) {
    fontSize_ = points;
}
void BackBufferSurface::SetFontBold(bool bold) {
    fontBold_ = bold;
}

HFONT BackBufferSurface::Font() const {
    // Every rendering switches between the read-outs' fonts, so each is made once and kept.
    const FontKey key{fontName_, fontSize_, fontBold_, dpi_};
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return found->second.get();
    }
    if (!dc_) {
        return nullptr;
    }
    if (fonts_.size() >= MaxCachedFonts) {
        fonts_.clear();  // none is selected outside a drawing call
    }
    LOGFONTW spec{};
    spec.lfHeight = -static_cast<LONG>(std::lround(fontSize_ * static_cast<float>(dpi_) / 72));
    spec.lfWeight = fontBold_ ? FW_BOLD : FW_NORMAL;
    spec.lfCharSet = DEFAULT_CHARSET;
    spec.lfQuality = NONANTIALIASED_QUALITY;
    const std::wstring face = Widen(fontName_);
    if (FaceInstalled(dc_.get(), face)) {
        face.copy(spec.lfFaceName, LF_FACESIZE - 1);
    } else {
        // A face this system lacks (Wine has no "Terminal"): let the mapper pick a
        // fixed-pitch face of the same size, which keeps columns of figures aligned.
        spec.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    }
    return fonts_.emplace(key, UniqueFont(CreateFontIndirectW(&spec))).first->second.get();
}

int BackBufferSurface::ToPixelsX(float twips) const {
    return RoundToInt32(static_cast<double>(twips) / twipsX_);
}

int BackBufferSurface::ToPixelsY(float twips) const {
    return RoundToInt32(static_cast<double>(twips) / twipsY_);
}

SIZE BackBufferSurface::MeasureText(const std::string& text) const {
    SIZE size{0, 0};
    if (!dc_) {
        return size;
    }
    const std::wstring wide = Widen(text);
    SelectGuard select(dc_.get(), Font());
    GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    if (wide.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_.get(), &metrics);
        size.cy = metrics.tmHeight;
    }
    return size;
}

void BackBufferSurface::Print(const std::string& text) {
    if (!dc_) {
        return;
    }
    const std::wstring wide = Widen(text);
    SelectGuard select(dc_.get(), Font());
    SetBkMode(dc_.get(), TRANSPARENT);
    SetTextColor(dc_.get(), static_cast<COLORREF>(foreColor_) & 0x00FFFFFF);
    TextOutW(dc_.get(), ToPixelsX(currentX_), ToPixelsY(currentY_), wide.c_str(),
             static_cast<int>(wide.size()));
}

float BackBufferSurface::TextWidth(const std::string& text) const {
    return static_cast<float>(MeasureText(text).cx) * twipsX_;
}

float BackBufferSurface::TextHeight(const std::string& text) const {
    return static_cast<float>(MeasureText(text).cy) * twipsY_;
}

void BackBufferSurface::DrawLine(float x1, float y1, float x2, float y2, ColorValue colour) {
    if (!dc_) {
        return;
    }
    UniquePen pen(
        CreatePen(PS_SOLID, std::max(drawWidth_, 1), static_cast<COLORREF>(colour) & 0x00FFFFFF));
    SelectGuard select(dc_.get(), pen.get());
    const int previousMode = SetROP2(dc_.get(), drawMode_);
    MoveToEx(dc_.get(), ToPixelsX(x1), ToPixelsY(y1), nullptr);
    LineTo(dc_.get(), ToPixelsX(x2), ToPixelsY(y2));
    if (previousMode != 0) {
        SetROP2(dc_.get(), previousMode);
    }
}

RECT BackBufferSurface::BoxRect(float x1, float y1, float x2, float y2) const {
    // Both corners belong to the box, as with a toolkit's "line, box" between two points.
    const int left = ToPixelsX(std::min(x1, x2));
    const int top = ToPixelsY(std::min(y1, y2));
    const int right = ToPixelsX(std::max(x1, x2)) + 1;
    const int bottom = ToPixelsY(std::max(y1, y2)) + 1;
    return RECT{left, top, right, bottom};
}

void BackBufferSurface::PaintBox(float x1, float y1, float x2, float y2, ColorValue colour,
                                 bool filled) {
    if (!dc_) {
        return;
    }
    UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(colour) & 0x00FFFFFF));
    const RECT box = BoxRect(x1, y1, x2, y2);
    if (filled) {
        FillRect(dc_.get(), &box, brush.get());
    } else {
        FrameRect(dc_.get(), &box, brush.get());
    }
}

void BackBufferSurface::FillBox(float x1, float y1, float x2, float y2, ColorValue colour) {
    PaintBox(x1, y1, x2, y2, colour, true);
}

void BackBufferSurface::FrameBox(float x1, float y1, float x2, float y2, ColorValue colour) {
    PaintBox(x1, y1, x2, y2, colour, false);
}
