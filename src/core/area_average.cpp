#include "core/area_average.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/rounding.h"

namespace {

struct Tap {
    std::int32_t index;
    double weight;  // share of the target pixel that this source pixel covers
};

// For each of `targetLength` pixels along one axis, the source pixels it covers and their shares.
std::vector<std::vector<Tap>> Coverage(std::int32_t sourceLength, std::int32_t targetLength) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(targetLength));
    const double span = static_cast<double>(sourceLength) / targetLength;
    for (std::int32_t i = 0; i < targetLength; ++i) {
        const double from = i * span;
        const double to = (i + 1) * span;
        const auto first = static_cast<std::int32_t>(std::floor(from));
        const auto last = std::min(sourceLength - 1, static_cast<std::int32_t>(std::ceil(to)) - 1);
        for (std::int32_t j = first; j <= last; ++j) {
            const double covered = std::min<double>(j + 1, to) - std::max<double>(j, from);
            if (covered > 0) {
                taps[static_cast<std::size_t>(i)].push_back({j, covered / span});
            }
        }
    }
    return taps;
}

double Channel(std::uint32_t pixel, int shift) {
    return static_cast<double>((pixel >> shift) & 0xFF);
}

}  // namespace

void AverageScale(const ConstPixelBlock& source, const PixelBlock& target) {
    if (source.width <= 0 || source.height <= 0 || target.width <= 0 || target.height <= 0) {
        return;
    }
    const auto across = Coverage(source.width, target.width);
    const auto down = Coverage(source.height, target.height);

    // Rows first: every source row reduced to the target's width, three channels a pixel.
    const auto rowLength = static_cast<std::size_t>(target.width) * 3;
    std::vector<double> rows(rowLength * static_cast<std::size_t>(source.height));
    for (std::int32_t y = 0; y < source.height; ++y) {
        const std::uint32_t* in = source.pixels + static_cast<std::ptrdiff_t>(y) * source.stride;
        double* out = rows.data() + rowLength * static_cast<std::size_t>(y);
        for (std::int32_t x = 0; x < target.width; ++x) {
            double sum[3] = {0, 0, 0};
            for (const Tap& tap : across[static_cast<std::size_t>(x)]) {
                for (int c = 0; c < 3; ++c) {
                    sum[c] += tap.weight * Channel(in[tap.index], 8 * c);
                }
            }
            std::copy(sum, sum + 3, out + 3 * x);
        }
    }
    // Then columns.
    for (std::int32_t y = 0; y < target.height; ++y) {
        std::uint32_t* out = target.pixels + static_cast<std::ptrdiff_t>(y) * target.stride;
        for (std::int32_t x = 0; x < target.width; ++x) {
            double sum[3] = {0, 0, 0};
            for (const Tap& tap : down[static_cast<std::size_t>(y)]) {
                const double* in = rows.data() + rowLength * static_cast<std::size_t>(tap.index);
                for (int c = 0; c < 3; ++c) {
                    sum[c] += tap.weight * in[3 * x + c];
                }
            }
            std::uint32_t pixel = 0;
            for (int c = 0; c < 3; ++c) {
                const auto level =
                    static_cast<std::uint32_t>(std::clamp(RoundToInt32(sum[c]), 0, 255));
                pixel |= level << (8 * c);
            }
            out[x] = pixel;
        }
    }
}
