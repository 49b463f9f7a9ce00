#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "base/geometry.h"
#include "ports/picture.h"

// The mouse cursor as the server shows it, through XFixes: its image in premultiplied ARGB, its
// hotspot and where the pointer is. The image is converted once for each cursor (XFixes numbers
// them), not at every look.
class XCursorImage {
  public:
    explicit XCursorImage(Display* display);

    struct Cursor {
        ScreenPoint pointer;  // where the hotspot is on the screen
        ScreenPoint hotspot;  // within the image
        ConstPixelBlock image;
    };
    // The cursor now; its image stays valid until the next call. Nothing where the server lacks
    // XFixes or the request fails.
    std::optional<Cursor> Current();

  private:
    Display* display_;
    bool available_ = false;
    std::optional<unsigned long> serial_;  // of the cursor whose image is held
    std::vector<std::uint32_t> pixels_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    ScreenPoint hotspot_;
};
