#include "core/area_average.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::uint32_t Grey(std::uint32_t level) {
    return level | level << 8 | level << 16;
}

std::vector<std::uint32_t> Scale(std::vector<std::uint32_t> source, int sw, int sh, int tw,
                                 int th) {
    std::vector<std::uint32_t> target(static_cast<std::size_t>(tw * th), 0xDEADBEEF);
    AverageScale({source.data(), sw, sh, sw}, {target.data(), tw, th, tw});
    return target;
}

TEST(AverageScale, ACheckerboardHalvedTurnsEvenGrey) {
    const std::uint32_t B = 0, W = Grey(255);
    const std::vector<std::uint32_t> board{B, W, B, W,  //
                                           W, B, W, B,  //
                                           B, W, B, W,  //
                                           W, B, W, B};
    // 127.5 rounds to the even 128.
    EXPECT_EQ(Scale(board, 4, 4, 2, 2), std::vector<std::uint32_t>(4, Grey(128)));
}

TEST(AverageScale, EachChannelIsAveragedOnItsOwn) {
    // Blue-green-red from the lowest byte: pure red, pure blue, and green at two levels.
    const std::vector<std::uint32_t> source{0xFF0000, 0x0000FF, 0x00C800, 0x006400};
    EXPECT_EQ(Scale(source, 4, 1, 1, 1), std::vector<std::uint32_t>{0x404B40});
}

TEST(AverageScale, PartlyCoveredPixelsCountByTheirShare) {
    // Three pixels into two: each target covers one and a half source pixels.
    const std::vector<std::uint32_t> source{Grey(0), Grey(90), Grey(180)};
    // (0 + 0.5 * 90) / 1.5 = 30 and (0.5 * 90 + 180) / 1.5 = 150.
    EXPECT_EQ(Scale(source, 3, 1, 2, 1), (std::vector<std::uint32_t>{Grey(30), Grey(150)}));
}

TEST(AverageScale, TenPercentAveragesTenByTenBlocks) {
    std::vector<std::uint32_t> source(20 * 10, Grey(0));
    for (int y = 0; y < 10; ++y) {
        source[static_cast<std::size_t>(y * 20 + 13)] =
            Grey(250);  // a thin line in the right block
    }
    EXPECT_EQ(Scale(source, 20, 10, 2, 1), (std::vector<std::uint32_t>{Grey(0), Grey(25)}));
}

TEST(AverageScale, WritesOnlyInsideTheTargetRows) {
    const std::vector<std::uint32_t> source(4, Grey(200));
    std::vector<std::uint32_t> target(6, 7);  // 2 x 2 inside rows 3 pixels apart
    AverageScale({source.data(), 2, 2, 2}, {target.data(), 2, 2, 3});
    EXPECT_EQ(target,
              (std::vector<std::uint32_t>{Grey(200), Grey(200), 7, Grey(200), Grey(200), 7}));
}

}  // namespace
