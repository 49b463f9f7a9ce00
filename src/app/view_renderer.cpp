#include "app/view_renderer.h"

#include "core/view_geometry.h"

void RenderFocusArea(FormWindow& form, ScreenCapture& screen, std::int32_t x, std::int32_t y,
                     float zoom, TwipsPerPixel members, bool withCursor) {
    const auto area =
        ComputeViewRectangle(form.ScaleWidth(), form.ScaleHeight(), x, y, zoom, members);
    if (!area) {
        return;
    }
    const auto pixels =
        TwipsToPixels(*area, static_cast<float>(members.x), static_cast<float>(members.y));
    if (!pixels || pixels->width <= 0 || pixels->height <= 0) {
        return;
    }
    const std::optional<Picture> captured = screen.CaptureScreenArea(*pixels, withCursor);
    if (!captured) {
        return;
    }
    const float percent = area->zoom * 100;
    const std::int32_t width = ScaledLength(percent, captured->width);
    const std::int32_t height = ScaledLength(percent, captured->height);
    if (width > 0 && height > 0) {
        form.SetPicture(*captured, width, height, area->stretchMode);
    }
}
