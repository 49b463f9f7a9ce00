#include "core/view_renderer.h"

#include <utility>

#include "core/view_geometry.h"

std::unique_ptr<Picture> CopyPicture(ScreenCapture& screen, const Picture& source, float percent,
                                     int stretchMode) {
    const std::int32_t width = ScaledLength(percent, source.Width());
    const std::int32_t height = ScaledLength(percent, source.Height());
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    return screen.ScalePicture(source, width, height, stretchMode);
}

void RenderView(FormWindow& form, ScreenCapture& screen, std::int32_t x, std::int32_t y, float zoom,
                TwipsPerPixel members, bool withCursor) {
    const auto area =
        ComputeViewRectangle(form.ScaleWidth(), form.ScaleHeight(), x, y, zoom, members);
    if (!area) {
        return;
    }
    const auto pixels =
        TwipsToPixels(*area, form.ScreenTwipsPerPixelX(), form.ScreenTwipsPerPixelY());
    if (!pixels || pixels->width <= 0 || pixels->height <= 0) {
        return;
    }
    const std::unique_ptr<Picture> captured = screen.CaptureScreenArea(*pixels, withCursor);
    if (!captured) {
        return;
    }
    std::unique_ptr<Picture> view =
        CopyPicture(screen, *captured, area->zoom * 100, area->stretchMode);
    if (view) {
        form.SetPicture(std::move(view));
    }
}
