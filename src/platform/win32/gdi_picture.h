#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/picture.h"
#include "platform/win32/gdi_handles.h"

// A picture held in a GDI bitmap of exactly the picture's size.
class GdiPicture : public Picture {
  public:
    GdiPicture(UniqueBitmap bitmap, std::int32_t width, std::int32_t height);

    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    HBITMAP Handle() const { return bitmap_.get(); }

  private:
    UniqueBitmap bitmap_;
    std::int32_t width_;
    std::int32_t height_;
};
