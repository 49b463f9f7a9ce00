#pragma once

#include <cstdint>
#include <memory>

#include "platform/screen_capture.h"

// Screen capture and scaling with GDI. A capture reads only the part of its area that lies on
// the virtual screen, so its cost stays bounded by the screen's size whatever the zoom.
class GdiScreenCapture : public ScreenCapture {
  public:
    PixelRect VirtualScreen() override;
    std::unique_ptr<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) override;
    std::unique_ptr<Picture> ScalePicture(const Picture& source, std::int32_t width,
                                          std::int32_t height, int stretchMode) override;
};
