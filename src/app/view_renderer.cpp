#include "app/view_renderer.h"

#include "core/view_geometry.h"

void RenderFocusArea(FormWindow& form, ScreenCapture& screen, ScreenPoint focus, float zoom,
                     std::int32_t twipsPerPixel, bool withCursor) {
    const auto area = ComputeViewRectangle(form.ClientSize(), focus, zoom, twipsPerPixel);
    if (!area) {
        return;
    }
    const auto pixels = TwipsToPixels(*area, twipsPerPixel);
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
