#include "bench_window.h"

#include <cstdio>

#include "core/view_geometry.h"
#include "raster/block_scale.h"
#include "raster/placement.h"
#include "win32/handles.h"
#include "win32/win32_form.h"

std::string SizeText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

int ProgramDpi() {
    Win32Form form(GetModuleHandleW(nullptr));
    form.Create();
    return form.Dpi();
}

ScreenPoint ScreenCentre() {
    return {GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
}

void PrintScreen(int dpi, std::int32_t twipsPerPixel, ScreenPoint focus) {
    std::printf("screen %dx%d, virtual %dx%d, %d dpi, %d twips per pixel, focus (%d, %d)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), dpi,
                twipsPerPixel, focus.x, focus.y);
}

BufferWindow::BufferWindow(HDC screen, int width, int height, int dpi) : dpi_(dpi) {
    surface_.SetDpi(dpi);
    surface_.Resize(screen, width, height);
}

PixelRect BufferWindow::OuterRect() const {
    const PixelSize size = surface_.Size();
    return {0, 0, size.width, size.height};
}

void BufferWindow::SetPicture(const Picture& picture, std::int32_t width, std::int32_t height,
                              StretchMode stretchMode) {
    pictures_ += surface_.ShowPicture(picture, width, height, stretchMode) ? 1 : 0;
    pictureWidth_ = width;
    pictureHeight_ = height;
}

Floor::Floor(HDC screen, const ViewCase& view, std::int32_t twipsPerPixel, ScreenPoint focus)
    : screen_(screen), view_(screen, view.width, view.height) {
    SetStretchBltMode(view_.Dc(), COLORONCOLOR);
    const auto area =
        ComputeViewRectangle({view.width, view.height}, focus, view.zoom, twipsPerPixel);
    const auto pixels = area ? TwipsToPixels(*area, twipsPerPixel) : std::nullopt;
    if (!pixels) {
        return;
    }
    const PixelRect screenRect{
        GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    area_ = *pixels;
    part_ = Intersect(*pixels, screenRect);
    scaled_ = {ScaledLength(area->zoom * 100, pixels->width),
               ScaledLength(area->zoom * 100, pixels->height)};
    if (part_) {
        const PixelRect relative{part_->left - pixels->left, part_->top - pixels->top, part_->width,
                                 part_->height};
        destination_ =
            ScalePlacement(relative, pixels->width, pixels->height, scaled_.width, scaled_.height);
        capture_.Fit(screen, part_->width, part_->height);
    }
    CURSORINFO cursor{};
    cursor.cbSize = sizeof(cursor);
    ICONINFO icon{};
    if (GetCursorInfo(&cursor) && GetIconInfo(cursor.hCursor, &icon)) {
        const UniqueBitmap color(icon.hbmColor);
        const UniqueBitmap mask(icon.hbmMask);
        hotspot_ = POINT{static_cast<LONG>(icon.xHotspot), static_cast<LONG>(icon.yHotspot)};
    }
}

void Floor::Render(bool withCursor) {
    if (!part_) {
        return;
    }
    BitBlt(capture_.Dc(), 0, 0, part_->width, part_->height, screen_, part_->left, part_->top,
           SRCCOPY);
    if (withCursor) {
        CURSORINFO cursor{};
        cursor.cbSize = sizeof(cursor);
        if (GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING) != 0) {
            DrawIconEx(capture_.Dc(), cursor.ptScreenPos.x - hotspot_.x - part_->left,
                       cursor.ptScreenPos.y - hotspot_.y - part_->top, cursor.hCursor, 0, 0, 0,
                       nullptr, DI_NORMAL);
        }
    }
    StretchBlt(view_.Dc(), destination_.left, destination_.top, destination_.width,
               destination_.height, capture_.Dc(), 0, 0, part_->width, part_->height, SRCCOPY);
}

void Floor::ScaleBlocks() {
    if (!part_) {
        return;
    }
    const PixelBlock captured = capture_.Pixels();
    const Picture picture{
        area_.width, area_.height,
        PixelRect{part_->left - area_.left, part_->top - area_.top, part_->width, part_->height},
        ConstPixelBlock{captured.pixels, captured.width, captured.height, captured.stride}};
    GdiFlush();  // what GDI drew must be in the pixels before they are read and written
    BlockScale(picture, scaled_.width, scaled_.height, view_.Pixels());
}
