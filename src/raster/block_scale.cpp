#include "raster/block_scale.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Where the edges of `count` pixels from `offset` on a side `length` long land once the side is
// `scaled` long, each clipped to [0, limit]: edge k at k x scaled / length rounded halves to even,
// in whole numbers.
std::vector<std::int32_t> Edges(std::int64_t offset, std::int32_t count, std::int64_t length,
                                std::int64_t scaled, std::int32_t limit) {
    std::vector<std::int32_t> edges;
    for (std::int64_t k = offset; k <= offset + count; ++k) {
        const std::int64_t product = k * scaled;
        std::int64_t edge = product / length;
        const std::int64_t twice = 2 * (product - edge * length);
        if (twice > length || (twice == length && edge % 2 != 0)) {
            ++edge;
        }
        edges.push_back(static_cast<std::int32_t>(std::clamp<std::int64_t>(edge, 0, limit)));
    }
    return edges;
}

}  // namespace

void BlockScale(const Picture& area, std::int32_t width, std::int32_t height,
                const PixelBlock& target) {
    const std::int32_t columns = std::min(width, target.width);
    const std::int32_t rows = std::min(height, target.height);
    if (area.width <= 0 || area.height <= 0 || columns <= 0 || rows <= 0) {
        return;
    }
    const ConstPixelBlock& source = area.pixels;
    const bool any = source.pixels != nullptr && source.width > 0 && source.height > 0;
    // Where the blocks of the source's columns and rows begin and end in the target.
    const std::vector<std::int32_t> across =
        Edges(area.onScreen.left, any ? source.width : 0, area.width, width, columns);
    const std::vector<std::int32_t> down =
        Edges(area.onScreen.top, any ? source.height : 0, area.height, height, rows);
    const auto line = [&target](std::int32_t row) {
        return target.pixels + static_cast<std::ptrdiff_t>(row) * target.stride;
    };
    const auto blacken = [&](std::int32_t from, std::int32_t to) {
        for (std::int32_t row = from; row < to; ++row) {
            std::fill_n(line(row), columns, 0u);
        }
    };
    blacken(0, down.front());
    // Each source row's block: its first row pixel by pixel, the others copies of it.
    for (std::size_t k = 0; k + 1 < down.size(); ++k) {
        const std::int32_t first = down[k];
        const std::int32_t end = down[k + 1];
        if (first == end) {
            continue;
        }
        const std::uint32_t* in = source.pixels + static_cast<std::ptrdiff_t>(k) * source.stride;
        std::uint32_t* const out = line(first);
        std::fill(out, out + across.front(), 0u);
        for (std::size_t c = 0; c + 1 < across.size(); ++c) {
            std::fill(out + across[c], out + across[c + 1], in[c]);
        }
        std::fill(out + across.back(), out + columns, 0u);
        for (std::int32_t row = first + 1; row < end; ++row) {
            std::copy_n(out, columns, line(row));
        }
    }
    blacken(down.back(), rows);
}
