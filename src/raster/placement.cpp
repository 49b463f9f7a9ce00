#include "raster/placement.h"

#include <algorithm>

#include "base/rounding.h"

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

PixelRect InsideArea(const PixelRect& window, const PixelRect& area) {
    const auto place = [](std::int64_t at, std::int64_t length, std::int64_t from,
                          std::int64_t room) {
        return static_cast<std::int32_t>(std::max(from, std::min(at, from + room - length)));
    };
    return PixelRect{place(window.left, window.width, area.left, area.width),
                     place(window.top, window.height, area.top, area.height), window.width,
                     window.height};
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
