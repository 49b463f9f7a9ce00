#include "readouts/outlined_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "doubles/recording_surface.h"

namespace {

constexpr ColorValue Outline = Rgb(95, 95, 95);
constexpr ColorValue Text = Rgb(239, 239, 239);
constexpr ColorValue Frame = Rgb(1, 2, 3);
constexpr ColorValue Before = Rgb(7, 8, 9);

TEST(PrintOutlined, OutlinePrintsTheSquareColumnByColumnThenTheText) {
    RecordingSurface surface;
    EXPECT_TRUE(PrintOutlined(surface, 10, 20, "X 5", 1, Outline, Text));
    const float expected[][2] = {{135, 285}, {135, 300}, {135, 315}, {150, 285}, {150, 300},
                                 {150, 315}, {165, 285}, {165, 300}, {165, 315}, {150, 300}};
    ASSERT_EQ(surface.calls.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(surface.calls[i].op, SurfaceCall::Op::Print);
        EXPECT_EQ(surface.calls[i].x1, expected[i][0]) << i;
        EXPECT_EQ(surface.calls[i].y1, expected[i][1]) << i;
        EXPECT_EQ(surface.calls[i].colour, i < 9 ? Outline : Text) << i;
    }
    for (const std::int16_t n : {2, 3}) {
        RecordingSurface thicker;
        PrintOutlined(thicker, 10, 20, "abc", n, Outline, Text);
        EXPECT_EQ(thicker.calls.size(), static_cast<std::size_t>((2 * n + 1) * (2 * n + 1) + 1));
    }
    RecordingSurface plain;  // no outline, no box, even with a frame colour
    PrintOutlined(plain, 10, 20, "abc", 0, Outline, Text, Frame);
    ASSERT_EQ(plain.calls.size(), 1u);
    EXPECT_EQ(plain.calls[0].colour, Text);
}

TEST(PrintOutlined, BoxCornersFollowTheMarginAndTheUnroundedTextExtent) {
    struct Case {
        std::int16_t margin;
        float charWidth, lineHeight, x1, y1, x2, y2;
    };
    const Case cases[] = {
        {-2, 75, 180, 75, 1470, 555, 1680},  // 30 x 12 pixels at (6, 100): (5, 98)-(37, 112)
        {-1, 75, 180, 90, 1485, 540, 1665},  // as wide as the text, one pixel up
        {-2, 71, 190, 75, 1470, 531, 1690},  // 28.4 x 12.67 pixels: far corner unrounded
    };
    for (const Case& c : cases) {
        RecordingSurface surface;
        surface.charWidth = c.charWidth;
        surface.lineHeight = c.lineHeight;
        PrintOutlined(surface, 6, 100, "abcdef", c.margin, Outline, Text);
        ASSERT_EQ(surface.calls.size(), 2u);
        const SurfaceCall& box = surface.calls[0];
        EXPECT_EQ(box.op, SurfaceCall::Op::FillBox);
        EXPECT_EQ(box.colour, Outline);
        EXPECT_FLOAT_EQ(box.x1, c.x1);
        EXPECT_FLOAT_EQ(box.y1, c.y1);
        EXPECT_FLOAT_EQ(box.x2, c.x2) << c.charWidth;
        EXPECT_FLOAT_EQ(box.y2, c.y2) << c.lineHeight;
        EXPECT_EQ(surface.calls[1].colour, Text);
        EXPECT_EQ(surface.calls[1].x1, 90);
        EXPECT_EQ(surface.calls[1].y1, 1500);
    }
}

TEST(PrintOutlined, FrameComesBetweenFillAndText) {
    RecordingSurface surface;
    PrintOutlined(surface, 6, 100, "abcdef", -2, Outline, Text, Frame);
    ASSERT_EQ(surface.calls.size(), 3u);
    EXPECT_EQ(surface.calls[0].op, SurfaceCall::Op::FillBox);
    EXPECT_EQ(surface.calls[1].op, SurfaceCall::Op::FrameBox);
    EXPECT_EQ(surface.calls[1].colour, Frame);
    EXPECT_FLOAT_EQ(surface.calls[1].x2, 555);
    EXPECT_EQ(surface.calls[2].op, SurfaceCall::Op::Print);
}

TEST(PrintOutlined, RestoresTheForeColourAndRoundsThePixelSizeHalvesToEven) {
    for (const std::int16_t style : {1, 0, -2}) {
        RecordingSurface surface;
        surface.foreColor = Before;
        surface.pixelWidth = 14.5f;   // 14
        surface.pixelHeight = 15.5f;  // 16
        EXPECT_TRUE(PrintOutlined(surface, 10, 10, "abc", style, Outline, Text));
        EXPECT_EQ(surface.foreColor, Before);
        EXPECT_EQ(surface.calls.back().x1, 140);
        EXPECT_EQ(surface.calls.back().y1, 160);
    }
}

TEST(PrintOutlined, OverflowAbandonsTheRestOfTheCall) {
    constexpr std::int32_t lastFitting = std::numeric_limits<std::int32_t>::max() / 15;
    RecordingSurface outlined;
    EXPECT_FALSE(PrintOutlined(outlined, lastFitting, 0, "abc", 1, Outline, Text));
    EXPECT_EQ(outlined.calls.size(), 6u);  // the columns at -1 and 0; +1 no longer fits
    EXPECT_EQ(outlined.foreColor, Outline);

    RecordingSurface boxed;
    EXPECT_FALSE(PrintOutlined(boxed, std::numeric_limits<std::int32_t>::min(), 0, "abc", -2,
                               Outline, Text));
    EXPECT_TRUE(boxed.calls.empty());
}

}  // namespace
