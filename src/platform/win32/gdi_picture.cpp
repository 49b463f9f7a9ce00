#include "platform/win32/gdi_picture.h"

#include <utility>

GdiPicture::GdiPicture(UniqueBitmap bitmap, std::int32_t width, std::int32_t height,
                       std::uint32_t* pixels)
    : bitmap_(std::move(bitmap)), width_(width), height_(height), pixels_(pixels) {}
