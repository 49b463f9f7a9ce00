#include "win32/gdi_screen_capture.h"

#include <algorithm>
#include <cstdint>

#include "raster/placement.h"
#include "win32/handles.h"

namespace {

// How old the monitors' layout may be. Some systems take tens of microseconds for each of the
// virtual screen's four metrics, more than a small view's whole capture; a change of the layout
// shows within this time, whether or not the system announces it.
constexpr ULONGLONG LayoutLifeMs = 1000;

// Some systems read the screen into a buffer of their own the size of the BitBlt before copying
// it into ours (Wine: an X image), so a large capture is read in bands of at most this size, which
// keeps a whole-screen capture from holding the screen twice.
constexpr std::int64_t BandBytes = 4 << 20;

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM monitors) {
    reinterpret_cast<std::vector<PixelRect>*>(monitors)->push_back(
        {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top});
    return TRUE;
}

// None when the system gives no answer.
std::vector<PixelRect> Monitors() {
    std::vector<PixelRect> monitors;
    if (!EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors))) {
        monitors.clear();
    }
    return monitors;
}

}  // namespace

GdiScreenCapture::GdiScreenCapture() : screen_(WindowDc(nullptr)) {}

const PixelRect& GdiScreenCapture::RecentVirtualScreen() {
    const ULONGLONG now = GetTickCount64();
    if (layoutAt_ == 0 || now - layoutAt_ >= LayoutLifeMs) {
        layout_.Update({GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)},
                       Monitors());
        layoutAt_ = std::max<ULONGLONG>(now, 1);
    }
    return layout_.VirtualScreen();
}

std::optional<Picture> GdiScreenCapture::CaptureScreenArea(const PixelRect& area, bool withCursor) {
    if (area.width <= 0 || area.height <= 0) {
        return std::nullopt;
    }
    captured_.reset();
    cursorDrawn_ = false;
    const std::optional<PixelRect> part = Intersect(area, RecentVirtualScreen());
    if (!part) {
        return Picture{area.width, area.height, {}, {}};
    }
    if (!screen_ || !capture_.Fit(screen_.get(), part->width, part->height)) {
        return std::nullopt;
    }
    const auto bandRows = static_cast<std::int32_t>(
        std::max<std::int64_t>(1, BandBytes / (std::int64_t{part->width} * 4)));
    for (std::int32_t top = 0; top < part->height; top += bandRows) {
        if (!BitBlt(capture_.Dc(), 0, top, part->width, std::min(bandRows, part->height - top),
                    screen_.get(), part->left, part->top + top, SRCCOPY)) {
            return std::nullopt;
        }
    }
    captured_ = part;
    if (!layout_.OffMonitors().empty()) {
        GdiFlush();  // the pixels must hold what BitBlt read before they are written
        layout_.BlackenOffMonitors(capture_.Pixels(), *part);
    }
    if (withCursor) {
        DrawCursor(POINT{part->left, part->top});
    }
    GdiFlush();  // the pixels must hold what GDI drew before anyone reads them
    const PixelBlock pixels = capture_.Pixels();
    return Picture{
        area.width, area.height,
        PixelRect{part->left - area.left, part->top - area.top, part->width, part->height},
        ConstPixelBlock{pixels.pixels, pixels.width, pixels.height, pixels.stride}};
}

std::optional<Color> GdiScreenCapture::CapturedPixel(std::int32_t x, std::int32_t y) const {
    if (!captured_ || !Intersect({x, y, 1, 1}, *captured_)) {
        return std::nullopt;
    }
    std::uint32_t pixel = 0;
    if (!cursorDrawn_) {
        const PixelBlock pixels = capture_.Pixels();
        pixel = pixels.pixels[static_cast<std::ptrdiff_t>(y - captured_->top) * pixels.stride +
                              (x - captured_->left)];
    } else if (x == pointer_.x && y == pointer_.y) {
        pixel = pointerPixel_;
    } else {
        return std::nullopt;  // it may lie under the cursor
    }
    return ColorOfPixel(pixel);
}

// Draws the visible mouse cursor into the capture, whose top-left shows the screen point
// `origin`, with the cursor's hotspot on the pointer. The pixel it covers there is kept: it is
// the colour under the pointer.
void GdiScreenCapture::DrawCursor(POINT origin) {
    CURSORINFO cursor{};
    cursor.cbSize = sizeof(cursor);
    if (!GetCursorInfo(&cursor) || (cursor.flags & CURSOR_SHOWING) == 0) {
        return;
    }
    if (cursor.hCursor != cursor_) {
        // GetIconInfo copies the cursor's bitmaps for every call, so the hotspot is asked once
        // per cursor; the copies are ours to delete.
        ICONINFO icon{};
        if (!GetIconInfo(cursor.hCursor, &icon)) {
            return;
        }
        const UniqueBitmap color(icon.hbmColor);
        const UniqueBitmap mask(icon.hbmMask);
        cursor_ = cursor.hCursor;
        hotspot_ = POINT{static_cast<LONG>(icon.xHotspot), static_cast<LONG>(icon.yHotspot)};
    }
    const POINT at{cursor.ptScreenPos.x - origin.x, cursor.ptScreenPos.y - origin.y};
    const PixelBlock pixels = capture_.Pixels();
    if (at.x >= 0 && at.y >= 0 && at.x < pixels.width && at.y < pixels.height) {
        GdiFlush();  // the pixels must hold what BitBlt read
        pointerPixel_ = pixels.pixels[static_cast<std::ptrdiff_t>(at.y) * pixels.stride + at.x];
    }
    pointer_ = cursor.ptScreenPos;
    cursorDrawn_ = true;
    DrawIconEx(capture_.Dc(), cursor.ptScreenPos.x - hotspot_.x - origin.x,
               cursor.ptScreenPos.y - hotspot_.y - origin.y, cursor.hCursor, 0, 0, 0, nullptr,
               DI_NORMAL);
}
