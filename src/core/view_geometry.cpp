#include "core/view_geometry.h"

#include "base/checked_int.h"
#include "base/rounding.h"

namespace {

constexpr float SmallestZoom = 0.001f;

std::optional<std::int32_t> FocusInTwips(std::int32_t pixels, std::int32_t twipsPerPixel) {
    return ToInt32(std::int64_t{pixels} * twipsPerPixel);
}

}  // namespace

float EffectiveZoom(float zoom) {
    // Written so that NaN falls back as well.
    return zoom > 0 ? zoom : SmallestZoom;
}

int StretchModeFor(float effectiveZoom) {
    return effectiveZoom < 1 ? StretchMode::Halftone : StretchMode::ColorOnColor;
}

std::optional<ViewRectangle> ComputeViewRectangle(float scaleWidth, float scaleHeight,
                                                  std::int32_t focusX, std::int32_t focusY,
                                                  float zoom, TwipsPerPixel members) {
    const float z = EffectiveZoom(zoom);
    const auto x = FocusInTwips(focusX, members.x);
    const auto y = FocusInTwips(focusY, members.y);
    if (!x || !y) {
        return std::nullopt;
    }
    const double zoomD = z;
    const double sw = scaleWidth;
    const double sh = scaleHeight;

    ViewRectangle area;
    // The left edge stays fractional until the conversion to pixels; the others are whole twips.
    area.left = *x - sw / (zoomD * 2);
    area.top = RoundHalfEven(*y - sh / (zoomD * 2));
    area.width = RoundHalfEven(sw / zoomD);
    area.height = RoundHalfEven(sh / zoomD);
    area.zoom = z;
    area.stretchMode = StretchModeFor(z);
    return area;
}

std::optional<PixelRect> TwipsToPixels(const ViewRectangle& area, float twipsPerPixelX,
                                       float twipsPerPixelY) {
    if (!(twipsPerPixelX > 0) || !(twipsPerPixelY > 0)) {
        return std::nullopt;
    }
    const double tx = twipsPerPixelX;
    const double ty = twipsPerPixelY;
    return PixelRect{RoundToInt32(area.left / tx), RoundToInt32(area.top / ty),
                     RoundToInt32(area.width / tx), RoundToInt32(area.height / ty)};
}

std::int32_t ScaledLength(float percent, std::int32_t length) {
    return RoundToInt32(static_cast<double>(percent) * length / 100);
}
