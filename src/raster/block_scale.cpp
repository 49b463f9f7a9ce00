#include "raster/block_scale.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
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
    // At a whole zoom every block is as wide: pixel pairs are written at once where the width is
    // even. Otherwise each target column from the first block's to the last one's is told which
    // source column it shows: a block is mostly a few pixels wide, too few for a fill of its own.
    const std::int32_t shownLeft = across.front();
    const std::size_t blocks = across.size() - 1;
    const std::int32_t blockWidth = blocks > 0 ? across[1] - across[0] : 0;
    bool even = blockWidth > 0 && blockWidth % 2 == 0;
    for (std::size_t c = 1; even && c < blocks; ++c) {
        even = across[c + 1] - across[c] == blockWidth;
    }
    std::vector<std::int32_t> shows;
    if (!even) {
        shows.resize(static_cast<std::size_t>(across.back() - shownLeft));
        for (std::size_t c = 0; c < blocks; ++c) {
            std::fill(shows.begin() + (across[c] - shownLeft),
                      shows.begin() + (across[c + 1] - shownLeft), static_cast<std::int32_t>(c));
        }
    }
    const auto showRow = [&](const std::uint32_t* in, std::uint32_t* shown) {
        if (even && blockWidth == 2) {
            for (std::size_t c = 0; c < blocks; ++c) {
                const std::uint64_t pair = std::uint64_t{in[c]} << 32 | in[c];
                std::memcpy(shown + 2 * c, &pair, sizeof(pair));
            }
        } else if (even) {
            for (std::size_t c = 0; c < blocks; ++c) {
                const std::uint64_t pair = std::uint64_t{in[c]} << 32 | in[c];
                for (std::int32_t x = 0; x < blockWidth; x += 2) {
                    std::memcpy(shown + x, &pair, sizeof(pair));
                }
                shown += blockWidth;
            }
        } else {
            for (std::size_t x = 0; x < shows.size(); ++x) {
                shown[x] = in[shows[x]];
            }
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
        const std::uint32_t* const in =
            source.pixels + static_cast<std::ptrdiff_t>(k) * source.stride;
        std::uint32_t* const out = line(first);
        std::fill(out, out + shownLeft, 0u);
        showRow(in, out + shownLeft);
        std::fill(out + across.back(), out + columns, 0u);
        for (std::int32_t row = first + 1; row < end; ++row) {
            std::copy_n(out, columns, line(row));
        }
    }
    blacken(down.back(), rows);
}
