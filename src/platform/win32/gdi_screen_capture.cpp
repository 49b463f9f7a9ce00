#include "platform/win32/gdi_screen_capture.h"

#include <windows.h>

#include <utility>

#include "core/area_average.h"
#include "core/view_geometry.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/gdi_picture.h"
#include "platform/win32/screen_area_picture.h"

namespace {

// Draws the visible mouse cursor into `target`, whose top-left shows the screen point `origin`,
// with the cursor's hotspot on the pointer.
void DrawCursor(HDC target, POINT origin) {
    CURSORINFO cursor{};
    cursor.cbSize = sizeof(cursor);
    if (!GetCursorInfo(&cursor) || (cursor.flags & CURSOR_SHOWING) == 0) {
        return;
    }
    ICONINFO icon{};
    if (!GetIconInfo(cursor.hCursor, &icon)) {
        return;
    }
    // GetIconInfo hands out copies of the cursor's bitmaps; they are ours to delete (the mask
    // first, as it is declared last).
    const UniqueBitmap colour(icon.hbmColor);
    const UniqueBitmap mask(icon.hbmMask);
    DrawIconEx(target, cursor.ptScreenPos.x - static_cast<int>(icon.xHotspot) - origin.x,
               cursor.ptScreenPos.y - static_cast<int>(icon.yHotspot) - origin.y, cursor.hCursor, 0,
               0, 0, nullptr, DI_NORMAL);
}

// A 32-bit top-down DIB section rather than a device bitmap, so that scaling runs in GDI's own
// pixel code on every system instead of in whatever the display driver offers.
UniqueBitmap PixelBitmap(HDC reference, std::int32_t width, std::int32_t height,
                         std::uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels = bitmap ? static_cast<std::uint32_t*>(bits) : nullptr;
    return bitmap;
}

// Averages the source into its place in the target ourselves rather than trusting the system's
// HALFTONE stretch, which not every implementation averages with.
bool AverageInto(const GdiPicture& source, std::uint32_t* target, std::int32_t targetWidth,
                 std::int32_t targetHeight, const PixelRect& place) {
    if (source.Pixels() == nullptr || target == nullptr || place.left < 0 || place.top < 0 ||
        place.left + place.width > targetWidth || place.top + place.height > targetHeight) {
        return false;
    }
    GdiFlush();  // the pixels must hold what GDI drew before they are read
    AverageScale({source.Pixels(), source.Width(), source.Height(), source.Width()},
                 {target + static_cast<std::ptrdiff_t>(place.top) * targetWidth + place.left,
                  place.width, place.height, targetWidth});
    return true;
}

}  // namespace

PixelRect GdiScreenCapture::VirtualScreen() {
    return PixelRect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                     GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::unique_ptr<Picture> GdiScreenCapture::CaptureScreenArea(const PixelRect& area,
                                                             bool withCursor) {
    if (area.width <= 0 || area.height <= 0) {
        return nullptr;
    }
    const std::optional<PixelRect> part = Intersect(area, VirtualScreen());
    if (!part) {
        return std::make_unique<ScreenAreaPicture>(area.width, area.height, PixelRect{}, nullptr);
    }

    const WindowDc screen(GetDesktopWindow());
    if (!screen) {
        return nullptr;
    }
    std::uint32_t* bits = nullptr;
    UniqueBitmap pixels = PixelBitmap(screen.get(), part->width, part->height, bits);
    const UniqueMemoryDc memory(screen.get());
    if (!pixels || !memory) {
        return nullptr;
    }
    {
        const SelectGuard select(memory.get(), pixels.get());
        if (!BitBlt(memory.get(), 0, 0, part->width, part->height, screen.get(), part->left,
                    part->top, SRCCOPY)) {
            return nullptr;
        }
        if (withCursor) {
            DrawCursor(memory.get(), POINT{part->left, part->top});
        }
    }
    const PixelRect placement{part->left - area.left, part->top - area.top, part->width,
                              part->height};
    return std::make_unique<ScreenAreaPicture>(
        area.width, area.height, placement,
        std::make_unique<GdiPicture>(std::move(pixels), part->width, part->height, bits));
}

std::unique_ptr<Picture> GdiScreenCapture::ScalePicture(const Picture& source, std::int32_t width,
                                                        std::int32_t height, int stretchMode) {
    if (width <= 0 || height <= 0 || source.Width() <= 0 || source.Height() <= 0) {
        return nullptr;
    }
    const PixelRect whole{0, 0, source.Width(), source.Height()};
    const GdiPicture* pixels = nullptr;
    PixelRect placement = whole;
    if (const auto* area = dynamic_cast<const ScreenAreaPicture*>(&source)) {
        pixels = area->OnScreenPixels();
        placement = area->OnScreenPart();
    } else if (const auto* picture = dynamic_cast<const GdiPicture*>(&source)) {
        pixels = picture;
    } else {
        return nullptr;
    }

    const WindowDc screen(nullptr);
    if (!screen) {
        return nullptr;
    }
    std::uint32_t* scaledBits = nullptr;
    UniqueBitmap scaled = PixelBitmap(screen.get(), width, height, scaledBits);
    const UniqueMemoryDc target(screen.get());
    if (!scaled || !target) {
        return nullptr;
    }
    {
        const SelectGuard selectTarget(target.get(), scaled.get());
        if ((pixels == nullptr || placement != whole) &&
            !PatBlt(target.get(), 0, 0, width, height, BLACKNESS)) {
            return nullptr;
        }
        const PixelRect destination =
            ScalePlacement(placement, source.Width(), source.Height(), width, height);
        const bool averaged = stretchMode == HALFTONE && pixels != nullptr &&
                              destination.width > 0 && destination.height > 0 &&
                              AverageInto(*pixels, scaledBits, width, height, destination);
        if (!averaged && pixels != nullptr && destination.width > 0 && destination.height > 0) {
            const UniqueMemoryDc sourceDc(screen.get());
            if (!sourceDc) {
                return nullptr;
            }
            const SelectGuard selectSource(sourceDc.get(), pixels->Handle());
            if (stretchMode >= BLACKONWHITE && stretchMode <= HALFTONE) {
                SetStretchBltMode(target.get(), stretchMode);
                if (stretchMode == HALFTONE) {
                    SetBrushOrgEx(target.get(), 0, 0, nullptr);  // HALFTONE needs it reset
                }
            }
            if (!StretchBlt(target.get(), destination.left, destination.top, destination.width,
                            destination.height, sourceDc.get(), 0, 0, placement.width,
                            placement.height, SRCCOPY)) {
                return nullptr;
            }
        }
    }
    return std::make_unique<GdiPicture>(std::move(scaled), width, height, scaledBits);
}
