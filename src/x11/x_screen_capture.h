#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ports/screen_capture.h"
#include "x11/x_cursor_image.h"
#include "x11/x_display.h"
#include "x11/x_monitors.h"
#include "x11/x_root_reader.h"

// Screen capture on a connection of its own. A capture reads only the part of its area that lies
// on the root window, so its cost stays bounded by the screen's size whatever the zoom, and
// blackens what lies there on no monitor (below the shorter of two), where X keeps pixels no
// monitor shows. The cursor comes from XFixes and is blended in by the hotspot.
class XScreenCapture : public ScreenCapture {
  public:
    explicit XScreenCapture(XDisplay display);
    std::optional<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) override;
    std::optional<Color> CapturedPixel(std::int32_t x, std::int32_t y) const override;
    void DisplayChanged() override { monitors_.Forget(); }

  private:
    void DrawCursor();

    XDisplay display_;
    XMonitors monitors_;
    XRootReader reader_;
    XCursorImage cursor_;
    std::optional<PixelRect> captured_;    // the screen part the last capture holds
    PixelBlock pixels_;                    // its pixels
    std::vector<PixelRect> blackened_;     // the parts of it on no monitor
    std::optional<PixelRect> cursorOver_;  // the screen part the drawn cursor covers
    ScreenPoint pointer_;                  // the hotspot's place, and the pixel it covered there
    std::optional<std::uint32_t> pointerPixel_;
};
