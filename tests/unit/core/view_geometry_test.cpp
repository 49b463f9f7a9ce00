#include "core/view_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ViewRectangle, NoRectangleForAFocusBeyondThirtyTwoBitTwips) {
    // 143165576 * 15 = 2147483640 still fits in 32-bit twips; one pixel further does not.
    EXPECT_TRUE(ComputeViewRectangle(4500, 3000, 143165576, 0, 1, {15, 15}));
    EXPECT_FALSE(ComputeViewRectangle(4500, 3000, 0, -143165577, 1, {15, 15}));
    EXPECT_EQ(EffectiveZoom(std::numeric_limits<float>::quiet_NaN()), 0.001f);
}

}  // namespace
