#include "raster/text_runs.h"

#include <algorithm>
#include <cstddef>

std::vector<TextRun> MaskRuns(const std::uint8_t* bits, std::int32_t stride, PixelSize size,
                              std::int32_t margin) {
    std::vector<TextRun> runs;
    for (std::int32_t row = 0; row < size.height; ++row) {
        const std::uint8_t* const line = bits + static_cast<std::ptrdiff_t>(row) * stride;
        const auto set = [line](std::int32_t column) {
            return (line[column >> 3] & (0x80 >> (column & 7))) != 0;
        };
        std::int32_t column = 0;
        while (column < size.width) {
            if (line[column >> 3] == 0) {
                column = (column | 7) + 1;  // a byte without ink
                continue;
            }
            if (!set(column)) {
                ++column;
                continue;
            }
            const std::int32_t start = column;
            while (column < size.width && set(column)) {
                ++column;
            }
            runs.push_back({row - margin, start - margin, column - margin});
        }
    }
    return runs;
}

void FillRuns(const PixelBlock& block, std::int32_t x, std::int32_t y,
              const std::vector<TextRun>& runs, std::uint32_t pixel) {
    for (const TextRun& run : runs) {
        const std::int64_t row = std::int64_t{y} + run.y;
        if (row < 0 || row >= block.height) {
            continue;
        }
        const std::int64_t left = std::max<std::int64_t>(0, std::int64_t{x} + run.left);
        const std::int64_t right = std::min<std::int64_t>(block.width, std::int64_t{x} + run.right);
        if (left < right) {
            std::uint32_t* const line =
                block.pixels + static_cast<std::ptrdiff_t>(row) * block.stride;
            std::fill(line + left, line + right, pixel);
        }
    }
}
