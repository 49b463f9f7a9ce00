#pragma once

#include <windows.h>

#include <cstdint>

#include "ports/picture.h"
#include "win32/handles.h"

// The header of top-down pixels, `width` pixels a row, of `bitCount` bits each: 32, as GdiPicture
// and PixelBlock hold them, unless told. Colours beyond the first are the caller's to append.
BITMAPINFO TopDownPixelInfo(std::int32_t width, std::int32_t height, WORD bitCount = 32);

// A 32-bit top-down DIB section selected into its own memory DC. It is kept while its size
// stays the same, so a rendering creates no GDI object, and its pixels are open to our own code.
class GdiPicture {
  public:
    GdiPicture() = default;
    // A width x height picture with undefined contents; empty when the system refuses one.
    GdiPicture(HDC compatibleWith, std::int32_t width, std::int32_t height);
    GdiPicture(const GdiPicture&) = delete;
    GdiPicture& operator=(const GdiPicture&) = delete;

    // Makes the picture width x height unless it is already; the contents are undefined after a
    // change. False (and the picture empty) when the system refuses.
    bool Fit(HDC compatibleWith, std::int32_t width, std::int32_t height);
    void Swap(GdiPicture& other) noexcept;

    explicit operator bool() const { return pixels_ != nullptr; }
    HDC Dc() const { return dc_.get(); }
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    PixelBlock Pixels() const { return {pixels_, width_, height_, width_}; }

  private:
    // Declared before the DC, so that the DC goes first and lets go of the bitmap.
    UniqueBitmap bitmap_;
    UniqueMemoryDc dc_;
    std::uint32_t* pixels_ = nullptr;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};
