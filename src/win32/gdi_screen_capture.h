#pragma once

#include <windows.h>

#include <vector>

#include "ports/screen_capture.h"
#include "raster/monitor_layout.h"
#include "win32/gdi_picture.h"
#include "win32/handles.h"

// Screen capture with GDI into a DIB that is kept from one capture to the next while its size
// stays, read through a screen DC kept for the capture's life. A capture reads only the part of
// its area that lies on the virtual screen, so its cost stays bounded by the screen's size
// whatever the zoom, and blackens what lies there on no monitor (below the shorter of two): the
// system shows nothing there, though some keep old pixels.
class GdiScreenCapture : public ScreenCapture {
  public:
    GdiScreenCapture();
    std::optional<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) override;
    std::optional<Color> CapturedPixel(std::int32_t x, std::int32_t y) const override;
    void DisplayChanged() override { layoutAt_ = 0; }

  private:
    // The virtual screen (all monitors) in pixels (left and top may be negative), read with the
    // monitors at most once a second, and at once after the display changed.
    const PixelRect& RecentVirtualScreen();
    void DrawCursor(POINT origin);

    UniqueWindowDc screen_;
    MonitorLayout layout_;
    ULONGLONG layoutAt_ = 0;  // GetTickCount64 when it was read; 0: read it again
    GdiPicture capture_;
    std::optional<PixelRect> captured_;  // the screen part the capture holds
    bool cursorDrawn_ = false;
    POINT pointer_{};                 // where it was drawn, and the pixel it covered there
    std::uint32_t pointerPixel_ = 0;  // (0x00RRGGBB, as the capture holds it)
    HCURSOR cursor_ = nullptr;        // the cursor whose hotspot is known
    POINT hotspot_{};
};
