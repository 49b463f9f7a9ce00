#include "core/angles.h"

#include <gtest/gtest.h>

namespace {

// (dx, dy) from the anchor: straight, every quadrant on both sides of its diagonal, and a bearing
// that rounds up to 360. The measuring walk above adds a zero vector, a step to the right and
// the polar points of the measuring line.
TEST(Angles, BearingsFromTheAnchor) {
    // clang-format off
    const float bearings[][3] = {
        {0, -10, 0}, {0, 10, 180}, {-10, 0, 270}, {-1, -1e8f, 0},
        {1, -3, 18.434948f}, {3, -1, 71.565051f}, {3, 1, 108.43495f}, {1, 3, 161.56505f},
        {-1, 3, 198.43495f}, {-3, 1, 251.56505f}, {-3, -1, 288.43495f}, {-1, -3, 341.56505f}};
    // clang-format on
    for (const auto [dx, dy, degrees] : bearings) {
        EXPECT_FLOAT_EQ(AngleDeg(100, 100, 100 + dx, 100 + dy), degrees) << dx << ", " << dy;
    }
}

}  // namespace
