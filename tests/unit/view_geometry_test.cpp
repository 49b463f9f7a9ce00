#include "core/view_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/caret_scaling.h"

namespace {

TEST(ViewRectangle, NoRectangleForAFocusBeyondThirtyTwoBitTwips) {
    // 143165576 * 15 = 2147483640 still fits in 32-bit twips; one pixel further does not.
    EXPECT_TRUE(ComputeViewRectangle(4500, 3000, 143165576, 0, 1, {15, 15}));
    EXPECT_FALSE(ComputeViewRectangle(4500, 3000, 0, -143165577, 1, {15, 15}));
    EXPECT_EQ(EffectiveZoom(std::numeric_limits<float>::quiet_NaN()), 0.001f);
}

// One whole factor per display scale: 1440 / dpi rounded, halves (192 dpi) to even; none known: 15.
TEST(Twips, WholeFactorPerDisplayScale) {
    const int cases[][2] = {{96, 15}, {120, 12}, {144, 10}, {168, 9}, {192, 8}, {288, 5}, {0, 15}};
    for (const auto [dpi, factor] : cases) {
        EXPECT_EQ(TwipsPerPixelForDpi(dpi), factor) << dpi;
    }
}

TEST(ViewGeometry, TheOnScreenPartAndWhereItLands) {
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
}

TEST(CaretScaling, LogicalUnitsOfAnUnawareWindowBecomePhysicalPixels) {
    const struct {
        int windowDpi, monitorDpi;
        CaretInfo expected;
    } cases[] = {
        {96, 96, {10, 21, 15}},  {192, 192, {10, 21, 15}}, {96, 192, {20, 42, 30}},
        {96, 144, {15, 32, 22}}, {144, 192, {13, 28, 20}}, {0, 192, {10, 21, 15}},
        {96, 0, {10, 21, 15}},
    };
    for (const auto& c : cases) {
        const CaretInfo scaled = CaretInPhysicalPixels({10, 21, 15}, c.windowDpi, c.monitorDpi);
        EXPECT_EQ((std::vector<std::int32_t>{scaled.x, scaled.top, scaled.height}),
                  (std::vector<std::int32_t>{c.expected.x, c.expected.top, c.expected.height}))
            << c.windowDpi << " on " << c.monitorDpi;
    }
}

}  // namespace
