#include "x11/x_screen_capture.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "raster/cursor_blend.h"
#include "raster/pixel_fill.h"
#include "raster/placement.h"

namespace {

bool Holds(const PixelRect& rect, std::int32_t x, std::int32_t y) {
    return Intersect(rect, {x, y, 1, 1}).has_value();
}

}  // namespace

XScreenCapture::XScreenCapture(XDisplay display)
    : display_(std::move(display)),
      monitors_(display_.get()),
      reader_(display_.get()),
      cursor_(display_.get()) {}

std::optional<Picture> XScreenCapture::CaptureScreenArea(const PixelRect& area, bool withCursor) {
    if (area.width <= 0 || area.height <= 0 || !display_) {
        return std::nullopt;
    }
    captured_.reset();
    blackened_.clear();
    cursorOver_.reset();
    pointerPixel_.reset();
    // Clipped first: a read reaching past the root fails.
    const std::optional<PixelRect> part = Intersect(area, monitors_.Root());
    if (!part) {
        return Picture{area.width, area.height, {}, {}};
    }
    const std::optional<PixelBlock> pixels = reader_.Read(*part);
    if (!pixels) {
        return std::nullopt;
    }
    captured_ = part;
    pixels_ = *pixels;
    for (const PixelRect& off : monitors_.OffMonitors()) {
        if (const std::optional<PixelRect> dark = Intersect(*part, off)) {
            blackened_.push_back(*dark);
            FillRect(pixels_,
                     {dark->left - part->left, dark->top - part->top, dark->width, dark->height},
                     0);
        }
    }
    if (withCursor) {
        DrawCursor();
    }
    return Picture{
        area.width, area.height,
        PixelRect{part->left - area.left, part->top - area.top, part->width, part->height},
        ConstPixelBlock{pixels_.pixels, pixels_.width, pixels_.height, pixels_.stride}};
}

// The pixel under the hotspot is kept before the cursor covers it: it is the colour under the
// pointer.
void XScreenCapture::DrawCursor() {
    const std::optional<XCursorImage::Cursor> cursor = cursor_.Current();
    if (!cursor) {
        return;
    }
    pointer_ = cursor->pointer;
    if (Holds(*captured_, pointer_.x, pointer_.y)) {
        pointerPixel_ =
            pixels_
                .pixels[static_cast<std::ptrdiff_t>(pointer_.y - captured_->top) * pixels_.stride +
                        (pointer_.x - captured_->left)];
    }
    const ScreenPoint corner{pointer_.x - cursor->hotspot.x, pointer_.y - cursor->hotspot.y};
    cursorOver_ = PixelRect{corner.x, corner.y, cursor->image.width, cursor->image.height};
    BlendPremultiplied(cursor->image, pixels_, corner.x - captured_->left,
                       corner.y - captured_->top);
}

std::optional<Color> XScreenCapture::CapturedPixel(std::int32_t x, std::int32_t y) const {
    if (!captured_ || !Holds(*captured_, x, y)) {
        return std::nullopt;
    }
    // Blackened there, not read: the screen has no pixel to tell.
    if (std::any_of(blackened_.begin(), blackened_.end(),
                    [x, y](const PixelRect& dark) { return Holds(dark, x, y); })) {
        return std::nullopt;
    }
    if (cursorOver_ && Holds(*cursorOver_, x, y)) {
        if (x == pointer_.x && y == pointer_.y && pointerPixel_) {
            return ColorOfPixel(*pointerPixel_);
        }
        return std::nullopt;  // under the cursor
    }
    return ColorOfPixel(
        pixels_.pixels[static_cast<std::ptrdiff_t>(y - captured_->top) * pixels_.stride +
                       (x - captured_->left)]);
}
