#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "platform/picture.h"
#include "platform/screen_capture.h"
#include "platform/win32/gdi_picture.h"

// A captured screen area that keeps pixels only for the part lying on the screen; the rest is
// black. At a small zoom the area is many times the screen, and storing only what exists keeps a
// capture no bigger than the screen.
class ScreenAreaPicture : public Picture {
  public:
    ScreenAreaPicture(std::int32_t width, std::int32_t height, PixelRect onScreenPart,
                      std::unique_ptr<GdiPicture> onScreenPixels)
        : width_(width),
          height_(height),
          onScreenPart_(onScreenPart),
          onScreenPixels_(std::move(onScreenPixels)) {}

    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    // Relative to the area's top-left corner.
    const PixelRect& OnScreenPart() const { return onScreenPart_; }
    // nullptr when no part of the area is on the screen.
    const GdiPicture* OnScreenPixels() const { return onScreenPixels_.get(); }

  private:
    std::int32_t width_;
    std::int32_t height_;
    PixelRect onScreenPart_;
    std::unique_ptr<GdiPicture> onScreenPixels_;
};
