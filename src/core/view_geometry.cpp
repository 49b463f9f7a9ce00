#include "core/view_geometry.h"

#include <algorithm>
#include <limits>

#include "core/rounding.h"

namespace {

constexpr float SmallestZoom = 0.001f;

std::optional<std::int32_t> FocusInTwips(std::int32_t pixels, std::int32_t twipsPerPixel) {
    const std::int64_t product = static_cast<std::int64_t>(pixels) * twipsPerPixel;
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(product);
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

std::optional<PixelRect> Intersect(const PixelRect& a, const PixelRect& b) {
    // In 64 bits: a huge capture can reach past the end of the 32-bit range.
    const std::int64_t left = std::max<std::int64_t>(a.left, b.left);
    const std::int64_t top = std::max<std::int64_t>(a.top, b.top);
    const std::int64_t right =
        std::min(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
    const std::int64_t bottom =
        std::min(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
    if (right <= left || bottom <= top) {
        return std::nullopt;
    }
    return PixelRect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                     static_cast<std::int32_t>(right - left),
                     static_cast<std::int32_t>(bottom - top)};
}

PixelRect ScalePlacement(const PixelRect& part, std::int32_t width, std::int32_t height,
                         std::int32_t scaledWidth, std::int32_t scaledHeight) {
    const auto edge = [](std::int64_t position, std::int32_t length, std::int32_t scaled) {
        return RoundToInt32(static_cast<double>(position) * scaled / length);
    };
    const std::int32_t left = edge(part.left, width, scaledWidth);
    const std::int32_t top = edge(part.top, height, scaledHeight);
    const std::int32_t right = edge(std::int64_t{part.left} + part.width, width, scaledWidth);
    const std::int32_t bottom = edge(std::int64_t{part.top} + part.height, height, scaledHeight);
    return PixelRect{left, top, right - left, bottom - top};
}
