#pragma once

#include <cstdint>
#include <memory>

#include "platform/picture.h"

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Stretch modes of a scaled copy.
namespace StretchMode {
inline constexpr int ColorOnColor = 3;  // drop eliminated pixels: exact blocks when enlarging
inline constexpr int Halftone = 4;      // average the source pixels when reducing
}  // namespace StretchMode

class ScreenCapture {
  public:
    virtual ~ScreenCapture() = default;

    // The virtual screen (all monitors) in pixels; left and top may be negative.
    virtual PixelRect VirtualScreen() = 0;

    // Copies a screen rectangle one pixel to one into a new picture of exactly that size.
    // Whatever lies off the virtual screen is black. With the cursor, the visible mouse cursor is
    // drawn in with its hotspot on the pointer. Cost is bounded by the rectangle's area.
    virtual std::unique_ptr<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) = 0;

    // A new picture holding the source scaled to width x height with the given stretch mode
    // (1 to 4 applied, other values keep the platform's default); nullptr on failure.
    virtual std::unique_ptr<Picture> ScalePicture(const Picture& source, std::int32_t width,
                                                  std::int32_t height, int stretchMode) = 0;
};
