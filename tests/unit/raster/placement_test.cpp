#include "raster/placement.h"

#include <gtest/gtest.h>

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
}

}  // namespace
