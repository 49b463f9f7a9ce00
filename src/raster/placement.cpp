#include "raster/placement.h"

#include <algorithm>
#include <set>

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

bool ShowsGrabbablePart(const PixelRect& visible, const std::vector<PixelRect>& areas,
                        std::int32_t minimum) {
    return std::any_of(areas.begin(), areas.end(), [&](const PixelRect& area) {
        const auto common = Intersect(visible, area);
        return common && common->width >= minimum && common->height >= minimum;
    });
}

std::vector<PixelRect> UncoveredParts(const PixelRect& area,
                                      const std::vector<PixelRect>& monitors) {
    // Every monitor edge inside the area cuts it into a grid whose cells are each covered by a
    // monitor or not; the uncovered cells of a row of the grid are joined where they touch.
    std::set<std::int64_t> xs{area.left, std::int64_t{area.left} + area.width};
    std::set<std::int64_t> ys{area.top, std::int64_t{area.top} + area.height};
    for (const PixelRect& monitor : monitors) {
        if (const auto inside = Intersect(area, monitor)) {
            xs.insert({inside->left, std::int64_t{inside->left} + inside->width});
            ys.insert({inside->top, std::int64_t{inside->top} + inside->height});
        }
    }
    const auto covered = [&monitors](std::int64_t x, std::int64_t y) {
        return std::any_of(monitors.begin(), monitors.end(), [&](const PixelRect& m) {
            return x >= m.left && x < std::int64_t{m.left} + m.width && y >= m.top &&
                   y < std::int64_t{m.top} + m.height;
        });
    };
    std::vector<PixelRect> parts;
    for (auto y = ys.begin(); std::next(y) != ys.end(); ++y) {
        std::optional<std::int64_t> start;
        for (auto x = xs.begin(); x != xs.end(); ++x) {
            const bool open = std::next(x) != xs.end() && !covered(*x, *y);
            if (open && !start) {
                start = *x;
            } else if (!open && start) {
                parts.push_back({static_cast<std::int32_t>(*start), static_cast<std::int32_t>(*y),
                                 static_cast<std::int32_t>(*x - *start),
                                 static_cast<std::int32_t>(*std::next(y) - *y)});
                start.reset();
            }
        }
    }
    return parts;
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
