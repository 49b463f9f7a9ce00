#include "win32/gdi_picture.h"

#include <utility>

BITMAPINFO TopDownPixelInfo(std::int32_t width, std::int32_t height, WORD bitCount) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

GdiPicture::GdiPicture(HDC compatibleWith, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const BITMAPINFO info = TopDownPixelInfo(width, height);
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(compatibleWith, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc = MemoryDc(compatibleWith);
    if (!bitmap || !dc || bits == nullptr || SelectObject(dc.get(), bitmap.get()) == nullptr) {
        return;
    }
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

bool GdiPicture::Fit(HDC compatibleWith, std::int32_t width, std::int32_t height) {
    if (*this && width == width_ && height == height_) {
        return true;
    }
    GdiPicture fitting(compatibleWith, width, height);
    Swap(fitting);
    return static_cast<bool>(*this);
}

void GdiPicture::Swap(GdiPicture& other) noexcept {
    std::swap(bitmap_, other.bitmap_);
    std::swap(dc_, other.dc_);
    std::swap(pixels_, other.pixels_);
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
}
