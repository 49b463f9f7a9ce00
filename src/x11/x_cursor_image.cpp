#include "x11/x_cursor_image.h"

#include <X11/extensions/Xfixes.h>

#include <cstddef>
#include <memory>

namespace {

struct FreeXMemory {
    void operator()(void* memory) const { XFree(memory); }
};

}  // namespace

XCursorImage::XCursorImage(Display* display) : display_(display) {
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    available_ = display_ != nullptr && XFixesQueryExtension(display_, &event, &error) &&
                 XFixesQueryVersion(display_, &major, &minor) && major >= 1;
}

std::optional<XCursorImage::Cursor> XCursorImage::Current() {
    if (!available_) {
        return std::nullopt;
    }
    const std::unique_ptr<XFixesCursorImage, FreeXMemory> cursor(XFixesGetCursorImage(display_));
    if (!cursor) {
        return std::nullopt;
    }
    if (serial_ != cursor->cursor_serial) {
        // Each pixel is an unsigned long, 8 bytes on 64-bit systems, with ARGB in its low 32 bits.
        width_ = cursor->width;
        height_ = cursor->height;
        hotspot_ = {cursor->xhot, cursor->yhot};
        pixels_.resize(static_cast<std::size_t>(width_) * height_);
        for (std::size_t i = 0; i < pixels_.size(); ++i) {
            pixels_[i] = static_cast<std::uint32_t>(cursor->pixels[i]);
        }
        serial_ = cursor->cursor_serial;
    }
    return Cursor{{cursor->x, cursor->y}, hotspot_, {pixels_.data(), width_, height_, width_}};
}
