#include "raster/area_average.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <vector>

namespace {

// Along one axis an area pixel is `target` units long and a target pixel `area` units (both
// divided by their greatest common divisor), so every overlap is a whole number and a target
// pixel's overlaps add up to its length. Only the pixels of the source, which lies `offset`
// pixels into the area and is `sourceLength` long, are listed; the rest of the area is black and
// adds nothing.
struct Coverage {
    std::int64_t length = 0;          // of a target pixel, in units
    std::uint32_t step = 0;           // of an area pixel, in units
    std::vector<std::int32_t> first;  // per target pixel, the first source pixel it covers
    std::vector<std::size_t> begin;   // per target pixel and one past the last, into `weights`
    std::vector<std::uint32_t> weights;
    std::int32_t used = 0;  // source pixels up to the last one covered

    Coverage(std::int64_t area, std::int64_t target, std::int32_t count, std::int64_t offset,
             std::int64_t sourceLength) {
        const std::int64_t divisor = std::gcd(area, target);
        length = area / divisor;
        step = static_cast<std::uint32_t>(target / divisor);
        begin.push_back(0);
        for (std::int64_t i = 0; i < count; ++i) {
            const std::int64_t from = i * length;
            const std::int64_t to = from + length;
            // The area pixels under this target pixel, [from / step, to / step rounded up), that
            // lie on the source.
            const std::int64_t low = std::max<std::int64_t>(from / step, offset);
            const std::int64_t high =
                std::min<std::int64_t>((to + step - 1) / step, offset + sourceLength);
            first.push_back(static_cast<std::int32_t>(std::max<std::int64_t>(low - offset, 0)));
            for (std::int64_t j = low; j < high; ++j) {
                weights.push_back(static_cast<std::uint32_t>(std::min(to, (j + 1) * step) -
                                                             std::max(from, j * step)));
            }
            if (high > low) {
                used = std::max(used, static_cast<std::int32_t>(high - offset));
            }
            begin.push_back(weights.size());
        }
    }
};

// Means of channel sums over a fixed area (sums of at most 255 areas), rounded halves to even.
// Small areas look the mean up in a table of every possible sum. Larger ones divide in floating
// point, whose answer stands unless the mean lies near a half, where its rounding error could tip
// it; whole numbers settle those few.
class Divider {
  public:
    explicit Divider(std::uint64_t area)
        : area_(area),
          inverse_(1.0 / static_cast<double>(area)),
          reciprocal_(((std::uint64_t{1} << 40) + area - 1) / area) {
        if (area <= 257) {  // a table of at most 64 KiB
            table_.resize(static_cast<std::size_t>(255 * area + 1));
            for (std::size_t sum = 0; sum < table_.size(); ++sum) {
                table_[sum] = static_cast<std::uint8_t>(Exact(sum));
            }
        }
    }

    // Every sum of [first, last) in place by its mean.
    void Divide(std::uint64_t* first, std::uint64_t* last) const {
        if (!table_.empty()) {
            for (std::uint64_t* sum = first; sum != last; ++sum) {
                *sum = table_[static_cast<std::size_t>(*sum)];
            }
            return;
        }
        for (std::uint64_t* at = first; at != last; ++at) {
            std::uint64_t& sum = *at;
            // Off by under 2^-42 from the mean plus a half: the sum is exact in a double.
            const double shifted =
                static_cast<double>(static_cast<std::int64_t>(sum)) * inverse_ + 0.5;
            const auto whole = static_cast<std::uint64_t>(shifted);
            const double fraction = shifted - static_cast<double>(whole);
            sum = fraction > Near && fraction < 1 - Near ? whole : Exact(sum);
        }
    }

  private:
    static constexpr double Near = 1.0 / (1 << 20);

    // The reciprocal is rounded up, so the first quotient is the true one or one more, and the
    // remainder settles which and how to round.
    std::uint64_t Exact(std::uint64_t sum) const {
        std::uint64_t quotient = (sum * reciprocal_) >> 40;
        if (quotient * area_ > sum) {
            --quotient;
        }
        const std::uint64_t twice = 2 * (sum - quotient * area_);
        if (twice > area_ || (twice == area_ && quotient % 2 != 0)) {
            ++quotient;
        }
        return quotient;
    }

    std::uint64_t area_;
    double inverse_;
    std::uint64_t reciprocal_;
    std::vector<std::uint8_t> table_;
};

}  // namespace

void AverageScale(const Picture& area, std::int32_t width, std::int32_t height,
                  const PixelBlock& target) {
    const std::int32_t columns = std::min(width, target.width);
    const std::int32_t rows = std::min(height, target.height);
    if (area.width <= 0 || area.height <= 0 || columns <= 0 || rows <= 0) {
        return;
    }
    const ConstPixelBlock& source = area.pixels;
    const bool any = source.pixels != nullptr && source.width > 0 && source.height > 0;
    const Coverage across(area.width, width, columns, area.onScreen.left, any ? source.width : 0);
    const Coverage down(area.height, height, rows, area.onScreen.top, any ? source.height : 0);
    const Divider divider(static_cast<std::uint64_t>(across.length * down.length));
    // Only the source columns under the columns written.
    const auto used = static_cast<std::size_t>(across.used);

    // One target row at a time: the source rows it covers are summed down each column with their
    // weights (at most 255 times the source height, so 32 bits hold it), then across.
    std::vector<std::uint32_t> sums(3 * used);
    std::uint32_t* const blue = sums.data();
    std::uint32_t* const green = blue + used;
    std::uint32_t* const red = green + used;
    std::vector<std::uint64_t> means(3 * static_cast<std::size_t>(columns));
    // Only the target columns that cover some of the source are summed; those beyond it, and the
    // rows that cover none of it, are black.
    std::int32_t left = 0;
    std::int32_t right = columns;
    while (left < right && across.begin[static_cast<std::size_t>(left)] ==
                               across.begin[static_cast<std::size_t>(left) + 1]) {
        ++left;
    }
    while (right > left && across.begin[static_cast<std::size_t>(right) - 1] ==
                               across.begin[static_cast<std::size_t>(right)]) {
        --right;
    }
    for (std::int32_t y = 0; y < rows; ++y) {
        std::uint32_t* out = target.pixels + static_cast<std::ptrdiff_t>(y) * target.stride;
        const std::size_t from = down.begin[static_cast<std::size_t>(y)];
        const std::size_t to = down.begin[static_cast<std::size_t>(y) + 1];
        std::fill(out, out + left, 0u);
        std::fill(out + right, out + columns, 0u);
        if (from == to || left == right) {
            std::fill(out + left, out + right, 0u);
            continue;
        }
        // The rows wholly inside the target row weigh a full step each: they are summed as they
        // are and multiplied once, and only the partly covered ones at the edges one by one.
        std::fill(sums.begin(), sums.end(), 0u);
        const std::int32_t firstRow = down.first[static_cast<std::size_t>(y)];
        const auto rowAt = [&](std::size_t k) {
            return source.pixels +
                   static_cast<std::ptrdiff_t>(firstRow + static_cast<std::int32_t>(k - from)) *
                       source.stride;
        };
        for (std::size_t k = from; k < to; ++k) {
            if (down.weights[k] == down.step) {
                const std::uint32_t* in = rowAt(k);
                for (std::size_t c = 0; c < used; ++c) {
                    blue[c] += in[c] & 0xFF;
                    green[c] += (in[c] >> 8) & 0xFF;
                    red[c] += (in[c] >> 16) & 0xFF;
                }
            }
        }
        if (down.step != 1) {
            for (std::uint32_t& sum : sums) {
                sum *= down.step;
            }
        }
        for (std::size_t k = from; k < to; ++k) {
            const std::uint32_t weight = down.weights[k];
            if (weight != down.step) {
                const std::uint32_t* in = rowAt(k);
                for (std::size_t c = 0; c < used; ++c) {
                    blue[c] += weight * (in[c] & 0xFF);
                    green[c] += weight * ((in[c] >> 8) & 0xFF);
                    red[c] += weight * ((in[c] >> 16) & 0xFF);
                }
            }
        }
        // Across: the channel sums of each target pixel.
        for (std::int32_t x = left; x < right; ++x) {
            std::uint64_t b = 0;
            std::uint64_t g = 0;
            std::uint64_t r = 0;
            auto column = static_cast<std::size_t>(across.first[static_cast<std::size_t>(x)]);
            for (std::size_t k = across.begin[static_cast<std::size_t>(x)];
                 k < across.begin[static_cast<std::size_t>(x) + 1]; ++k, ++column) {
                const std::uint64_t weight = across.weights[k];
                b += weight * blue[column];
                g += weight * green[column];
                r += weight * red[column];
            }
            std::uint64_t* mean = means.data() + 3 * static_cast<std::size_t>(x);
            mean[0] = b;
            mean[1] = g;
            mean[2] = r;
        }
        divider.Divide(means.data() + 3 * static_cast<std::size_t>(left),
                       means.data() + 3 * static_cast<std::size_t>(right));
        for (std::int32_t x = left; x < right; ++x) {
            const std::uint64_t* mean = means.data() + 3 * static_cast<std::size_t>(x);
            out[x] = static_cast<std::uint32_t>(mean[0] | mean[1] << 8 | mean[2] << 16);
        }
    }
}
