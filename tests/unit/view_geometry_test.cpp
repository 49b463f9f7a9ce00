#include "core/view_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace {

// The example view: 300 x 200 pixels at 15 twips per pixel.
constexpr float ViewWidth = 4500;
constexpr float ViewHeight = 3000;
constexpr TwipsPerPixel Members{15, 15};

struct RectangleCase {
    const char* name;
    float scaleWidth, scaleHeight;
    std::int32_t focusX, focusY;
    float zoom;
    double left, top, width, height;
    float usedZoom;
    int stretchMode;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RectangleCase& c, std::ostream* out) {
    *out << c.name;
}

class ViewRectangleTest : public testing::TestWithParam<RectangleCase> {};

TEST_P(ViewRectangleTest, CentresTheFocusPoint) {
    const RectangleCase& c = GetParam();
    const auto area =
        ComputeViewRectangle(c.scaleWidth, c.scaleHeight, c.focusX, c.focusY, c.zoom, Members);
    ASSERT_TRUE(area.has_value());
    // The left edge is not rounded, so a zoom with no exact binary form leaves a fraction.
    EXPECT_NEAR(area->left, c.left, 1e-3);
    EXPECT_EQ(area->top, c.top);
    EXPECT_EQ(area->width, c.width);
    EXPECT_EQ(area->height, c.height);
    EXPECT_EQ(area->zoom, c.usedZoom);
    EXPECT_EQ(area->stretchMode, c.stretchMode);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ViewRectangleTest,
    testing::Values(
        RectangleCase{"zoom2", ViewWidth, ViewHeight, 500, 400, 2.0f, 6375, 5250, 2250, 1500, 2.0f,
                      StretchMode::ColorOnColor},
        // 3000 / (2 * 0.1f) is a hair under 15000, which rounds to the whole 9000 below 0.
        RectangleCase{"zoom0_1", ViewWidth, ViewHeight, 500, 400, 0.1f, -15000, -9000, 45000, 30000,
                      0.1f, StretchMode::Halftone},
        RectangleCase{"zoom0_75", ViewWidth, ViewHeight, 500, 400, 0.75f, 4500, 4000, 6000, 4000,
                      0.75f, StretchMode::Halftone},
        // 0.001f is a little above 0.001, so the extents come out a fraction short of
        // 4,500,000 and 3,000,000 before rounding.
        RectangleCase{"zoom0", ViewWidth, ViewHeight, 500, 400, 0.0f, 7500 - 2249999.893, -1494000,
                      4500000, 3000000, 0.001f, StretchMode::Halftone},
        // Halves go to the even neighbour: top -500.75 -> -501, 1000.5 -> 1000, 1001.5 -> 1002.
        RectangleCase{"halvesToEven", 4002, 4006, 0, 0, 4.0f, -500.25, -501, 1000, 1002, 4.0f,
                      StretchMode::ColorOnColor},
        RectangleCase{"leftKeepsItsHalf", 60, 60, 0, 0, 4.0f, -7.5, -8, 15, 15, 4.0f,
                      StretchMode::ColorOnColor}),
    [](const testing::TestParamInfo<RectangleCase>& info) { return info.param.name; });

TEST(ViewRectangle, NoZoomCountsAsTheSmallestZoom) {
    EXPECT_EQ(EffectiveZoom(-2), 0.001f);
    EXPECT_EQ(EffectiveZoom(std::numeric_limits<float>::quiet_NaN()), 0.001f);
    EXPECT_EQ(EffectiveZoom(0.01f), 0.01f);
}

TEST(ViewRectangle, FocusBeyondThirtyTwoBitTwipsGivesNoRectangle) {
    // 143165576 * 15 = 2147483640 still fits; one pixel further does not.
    EXPECT_TRUE(ComputeViewRectangle(ViewWidth, ViewHeight, 143165576, 0, 1, Members));
    EXPECT_FALSE(ComputeViewRectangle(ViewWidth, ViewHeight, 143165577, 0, 1, Members));
    EXPECT_FALSE(ComputeViewRectangle(ViewWidth, ViewHeight, 0, -143165577, 1, Members));
}

TEST(TwipsToPixels, RoundsOnceAfterDividingByTheUnroundedFactor) {
    // -7.5 twips is half a pixel left of the origin and goes to the even 0; -8 twips is more
    // than half a pixel and goes to -1.
    const ViewRectangle half{-7.5, -8, 15, 15, 4.0f, StretchMode::ColorOnColor};
    EXPECT_EQ(TwipsToPixels(half, 15, 15), (PixelRect{0, -1, 1, 1}));

    const ViewRectangle halves{22.5, 37.5, 52.5, 67.5, 1.0f, StretchMode::ColorOnColor};
    EXPECT_EQ(TwipsToPixels(halves, 15, 15), (PixelRect{2, 2, 4, 4}));

    const ViewRectangle fractional{675, 675, 1250, 1250, 1.0f, StretchMode::ColorOnColor};
    EXPECT_EQ(TwipsToPixels(fractional, 12.5f, 13.5f), (PixelRect{54, 50, 100, 93}));
}

TEST(TwipsToPixels, NoFactorGivesNoRectangle) {
    const ViewRectangle area{0, 0, 150, 150, 1.0f, StretchMode::ColorOnColor};
    EXPECT_FALSE(TwipsToPixels(area, 0, 15));
    EXPECT_FALSE(TwipsToPixels(area, 15, -1));
    EXPECT_FALSE(TwipsToPixels(area, std::nanf(""), 15));
}

TEST(ScaledLength, RoundsHalvesToEven) {
    struct Case {
        float percent;
        std::int32_t length;
        std::int32_t expected;
    };
    const Case cases[] = {
        {200, 150, 300}, {200, 100, 200}, {10, 3000, 300}, {10, 2000, 200},     {100, 137, 137},
        {1600, 8, 128},  {50, 3, 2},      {50, 5, 2},      {50, 7, 4},          {25, 2, 0},
        {10, 15, 2},     {10, 25, 2},     {75, 2, 2},      {0.1f, 300000, 300},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaledLength(c.percent, c.length), c.expected)
            << c.percent << "% of " << c.length;
    }
}

TEST(Intersect, KeepsTheOnScreenPart) {
    const PixelRect screen{0, 0, 1024, 768};
    EXPECT_EQ(Intersect(PixelRect{10, 10, 100, 50}, screen), (PixelRect{10, 10, 100, 50}));
    EXPECT_EQ(Intersect(PixelRect{-75, -50, 150, 100}, screen), (PixelRect{0, 0, 75, 50}));
    EXPECT_EQ(Intersect(PixelRect{-149500, -99600, 300000, 200000}, screen), screen);
    // A second monitor left of the primary one: the virtual screen starts below 0.
    EXPECT_EQ(Intersect(PixelRect{-1300, 900, 100, 200}, PixelRect{-1280, 0, 2304, 1024}),
              (PixelRect{-1280, 900, 80, 124}));
    // The right edge lies beyond the 32-bit range.
    EXPECT_EQ(Intersect(PixelRect{2147483000, 0, 2147483647, 10}, PixelRect{0, 0, 2147483647, 10}),
              (PixelRect{2147483000, 0, 647, 10}));

    EXPECT_FALSE(Intersect(PixelRect{2000, 0, 10, 10}, screen));
    EXPECT_FALSE(Intersect(PixelRect{1024, 0, 10, 10}, screen));  // only touching
    EXPECT_FALSE(Intersect(PixelRect{-10, -10, 10, 10}, screen));
}

TEST(ScalePlacement, ScalesEachEdge) {
    struct Case {
        PixelRect part;
        std::int32_t width, height, scaledWidth, scaledHeight;
        PixelRect expected;
    };
    const Case cases[] = {
        {{0, 0, 150, 100}, 150, 100, 300, 200, {0, 0, 300, 200}},
        {{75, 50, 75, 50}, 150, 100, 300, 200, {150, 100, 150, 100}},
        // 3000 x 2000 at 10% with the screen at (1000, 600): right 202.4, bottom 136.8.
        {{1000, 600, 1024, 768}, 3000, 2000, 300, 200, {100, 60, 102, 77}},
        // Edges at 0.5 and 1.5 go to 0 and 2; at 1.5 and 2.5 to 2 and 2.
        {{1, 3, 2, 2}, 4, 10, 2, 5, {0, 2, 2, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScalePlacement(c.part, c.width, c.height, c.scaledWidth, c.scaledHeight),
                  c.expected);
    }
}

}  // namespace
