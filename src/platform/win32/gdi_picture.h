#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/picture.h"
#include "platform/win32/gdi_handles.h"

// A picture held in a GDI bitmap of exactly the picture's size.
class GdiPicture : public Picture {
  public:
    // `pixels`: the bitmap's own 32-bit top-down pixels when it is a DIB section, else nullptr.
    GdiPicture(UniqueBitmap bitmap, std::int32_t width, std::int32_t height,
               std::uint32_t* pixels = nullptr);

    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    HBITMAP Handle() const { return bitmap_.get(); }
    std::uint32_t* Pixels() const { return pixels_; }

  private:
    UniqueBitmap bitmap_;
    std::int32_t width_;
    std::int32_t height_;
    std::uint32_t* pixels_;
};
