#include "raster/placement.h"
#include "raster/caret_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Placement, TheOnScreenPartAndWhereItLands) {
    const PixelRect screen{0, 0, 1024, 768};
    // A second monitor left of the primary one: the virtual screen starts below 0.
    EXPECT_EQ(Intersect({-1300, 900, 100, 200}, {-1280, 0, 2304, 1024}),
              (PixelRect{-1280, 900, 80, 124}));
    // The right edge lies beyond the 32-bit range.
    EXPECT_EQ(Intersect({2147483000, 0, 2147483647, 10}, {0, 0, 2147483647, 10}),
              (PixelRect{2147483000, 0, 647, 10}));
    EXPECT_FALSE(Intersect({1024, 0, 10, 10}, screen));  // only touching
    // 3000 x 2000 at 10% with the screen at (1000, 600): right 202.4, bottom 136.8; edges at
    // 0.5 and 1.5 go to 0 and 2, at 1.5 and 2.5 to 2 and 2.
    EXPECT_EQ(ScalePlacement({1000, 600, 1024, 768}, 3000, 2000, 300, 200),
              (PixelRect{100, 60, 102, 77}));
    EXPECT_EQ(ScalePlacement({1, 3, 2, 2}, 4, 10, 2, 5), (PixelRect{0, 2, 2, 0}));
    // Brought inside a work area at its size; one larger than the area keeps its top-left on it.
    EXPECT_EQ(InsideArea({5000, -3000, 128, 64}, {0, 0, 1024, 738}), (PixelRect{896, 0, 128, 64}));
    EXPECT_EQ(InsideArea({-5000, 10, 2000, 64}, {-1280, 0, 1280, 1024}),
              (PixelRect{-1280, 10, 2000, 64}));
    // A part to grab needs 32 x 32 pixels on one work area: 28 x 23 at the bottom-left corner is
    // too little, 128 x 58 at the bottom is enough, and so is exactly 32 x 32.
    const std::vector<PixelRect> areas{{0, 0, 1024, 768}, {-640, 0, 640, 480}};
    EXPECT_FALSE(ShowsGrabbablePart({-100, 745, 128, 64}, areas, 32));
    EXPECT_TRUE(ShowsGrabbablePart({7, 710, 128, 64}, areas, 32));
    EXPECT_TRUE(ShowsGrabbablePart({-32, 448, 128, 64}, areas, 32));
    EXPECT_FALSE(ShowsGrabbablePart({-20, 460, 40, 64}, areas, 32));  // 20 x 20 on each
}

// A secondary monitor of 640 x 480 left of a primary of 1024 x 512: an area across both, below
// them and beyond the virtual screen's left edge.
TEST(Placement, WhatLiesOnNoMonitor) {
    const std::vector<PixelRect> monitors{{-640, 0, 640, 480}, {0, 0, 1024, 512}};
    EXPECT_EQ(
        UncoveredParts({-700, 400, 800, 200}, monitors),
        (std::vector<PixelRect>{{-700, 400, 60, 80}, {-700, 480, 700, 32}, {-700, 512, 800, 88}}));
    EXPECT_TRUE(UncoveredParts({10, 10, 100, 100}, monitors).empty());
}

// A caret of an unaware window, in its own logical units, in physical pixels; unchanged where the
// two DPIs agree or one is unknown.
TEST(Placement, CaretsOfUnawareWindows) {
    // clang-format off
    const struct { int windowDpi, monitorDpi; std::vector<std::int32_t> expected; } cases[] = {
        {96, 96, {10, 21, 15}}, {192, 192, {10, 21, 15}}, {96, 192, {20, 42, 30}},
        {96, 144, {15, 32, 22}}, {144, 192, {13, 28, 20}}, {0, 192, {10, 21, 15}}, {96, 0, {10, 21, 15}}};
    // clang-format on
    for (const auto& c : cases) {
        const CaretInfo scaled = CaretInPhysicalPixels({10, 21, 15}, c.windowDpi, c.monitorDpi);
        EXPECT_EQ((std::vector<std::int32_t>{scaled.x, scaled.top, scaled.height}), c.expected)
            << c.windowDpi << " on " << c.monitorDpi;
    }
}

}  // namespace
