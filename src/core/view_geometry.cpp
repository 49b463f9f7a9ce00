#include "core/view_geometry.h"

#include "base/checked_int.h"
#include "base/rounding.h"

namespace {

constexpr float SmallestZoom = 0.001f;

}  // namespace

float EffectiveZoom(float zoom) {
    // Written so that NaN falls back as well.
    return zoom > 0 ? zoom : SmallestZoom;
}

StretchMode StretchModeFor(float effectiveZoom) {
    return effectiveZoom < 1 ? StretchMode::Average : StretchMode::Blocks;
}

std::optional<ViewRectangle> ComputeViewRectangle(PixelSize client, ScreenPoint focus, float zoom,
                                                  std::int32_t twipsPerPixel) {
    const float z = EffectiveZoom(zoom);
    const auto x = ToInt32(std::int64_t{focus.x} * twipsPerPixel);
    const auto y = ToInt32(std::int64_t{focus.y} * twipsPerPixel);
    if (!x || !y) {
        return std::nullopt;
    }
    const double zoomD = z;
    const double sw = static_cast<double>(client.width) * twipsPerPixel;
    const double sh = static_cast<double>(client.height) * twipsPerPixel;

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

std::optional<PixelRect> TwipsToPixels(const ViewRectangle& area, std::int32_t twipsPerPixel) {
    if (twipsPerPixel <= 0) {
        return std::nullopt;
    }
    const double t = twipsPerPixel;
    return PixelRect{RoundToInt32(area.left / t), RoundToInt32(area.top / t),
                     RoundToInt32(area.width / t), RoundToInt32(area.height / t)};
}

std::int32_t ScaledLength(float percent, std::int32_t length) {
    return RoundToInt32(static_cast<double>(percent) * length / 100);
}
