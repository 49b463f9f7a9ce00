#include "core/angles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/rounding.h"

namespace {

TEST(Angles, StraightBearingsFromTheAnchor) {
    struct Case {
        float dx, dy, degrees;
    } const cases[] = {{0, -10, 0}, {10, 0, 90}, {0, 10, 180}, {-10, 0, 270}, {0, 0, 90}};
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(AngleDeg(100, 100, 100 + c.dx, 100 + c.dy), c.degrees)
            << c.dx << "," << c.dy;
    }
}

TEST(Angles, MeasuringExampleAndItsWayBack) {
    // Anchor (100, 100), pointer (130, 60): atan(30/40) in degrees, and the bearing back.
    EXPECT_FLOAT_EQ(AngleDeg(100, 100, 130, 60), 36.8698976f);
    EXPECT_FLOAT_EQ(AngleDeg(130, 60, 100, 100), 216.8698976f);
    EXPECT_EQ(RoundToInt32(AngleDeg(130, 60, 100, 100)), 217);
}

TEST(Angles, EveryQuadrantStaysInTheRange) {
    for (int dx = -3; dx <= 3; ++dx) {
        for (int dy = -3; dy <= 3; ++dy) {
            const float a = AngleDeg(0, 0, static_cast<float>(dx), static_cast<float>(dy));
            EXPECT_GE(a, 0.0f);
            EXPECT_LT(a, 360.0f);
            if (dx != 0 || dy != 0) {
                // Bearing 0 is up and grows clockwise: sin is the x part, -cos the y part.
                const double r = std::hypot(dx, dy);
                EXPECT_NEAR(std::sin(a * 3.14159265358979 / 180) * r, dx, 1e-4);
                EXPECT_NEAR(-std::cos(a * 3.14159265358979 / 180) * r, dy, 1e-4);
            }
        }
    }
}

TEST(Angles, PolarPointsAlongTheBearing) {
    EXPECT_NEAR(PolarX(0, 100), 0, 1e-3);
    EXPECT_NEAR(PolarY(0, 100), -100, 1e-3);
    EXPECT_NEAR(PolarX(90, 100), 100, 1e-3);
    EXPECT_NEAR(PolarY(90, 100), 0, 1e-3);
    EXPECT_NEAR(PolarX(217, 1000), 1000 * std::sin(217 * 3.14159265358979 / 180), 1e-2);
    EXPECT_NEAR(PolarY(217, 1000), -1000 * std::cos(217 * 3.14159265358979 / 180), 1e-2);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInt32(107.5), 108);
    EXPECT_EQ(RoundToInt32(106.5), 106);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(-3.5), -4);
    EXPECT_EQ(RoundToInt32(2.5000001), 3);
    EXPECT_EQ(RoundToInt32(1e12), 2147483647);
    EXPECT_EQ(RoundToInt32(-1e12), -2147483647 - 1);
    EXPECT_EQ(RoundToInt32(std::nan("")), 0);
}

}  // namespace
