#include "readouts/outlined_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "doubles/recording_surface.h"

namespace {

constexpr ColorValue Outline = Rgb(95, 95, 95), Text = Rgb(239, 239, 239), Frame = Rgb(1, 2, 3);
using Op = SurfaceCall::Op;

SurfaceCall Print(float x, float y, ColorValue colour) {
    return {Op::Print, x, y, 0, 0, colour, "abcdef"};
}

// "abcdef" at pixel (6, 100): 30 x 12 pixels at 75 twips a byte, 180 high, 15 twips a pixel.
TEST(PrintOutlined, WorkedExamples) {
    const auto check = [](std::int16_t outline, std::optional<ColorValue> frame,
                          const std::vector<SurfaceCall>& calls, float charWidth = 75,
                          float lineHeight = 180, float pixelWidth = 15, float pixelHeight = 15) {
        RecordingSurface surface;
        surface.charWidth = charWidth;
        surface.lineHeight = lineHeight;
        surface.pixelWidth = pixelWidth;
        surface.pixelHeight = pixelHeight;
        EXPECT_TRUE(PrintOutlined(surface, 6, 100, "abcdef", outline, Outline, Text, frame));
        EXPECT_EQ(surface.calls, calls) << outline;
        EXPECT_EQ(surface.log.back(), "fore 0");  // the fore colour as it was
    };
    // The outline column by column, then the text on top.
    check(1, Frame,
          {Print(75, 1485, Outline), Print(75, 1500, Outline), Print(75, 1515, Outline),
           Print(90, 1485, Outline), Print(90, 1500, Outline), Print(90, 1515, Outline),
           Print(105, 1485, Outline), Print(105, 1500, Outline), Print(105, 1515, Outline),
           Print(90, 1500, Text)});
    check(0, Frame, {Print(90, 1500, Text)});
    // The box from (5, 98) to (37, 112), framed after the fill.
    check(-2, Frame,
          {{Op::FillBox, 75, 1470, 555, 1680, Outline},
           {Op::FrameBox, 75, 1470, 555, 1680, Frame},
           Print(90, 1500, Text)});
    // As wide as the text, one pixel up; no frame without a frame colour.
    check(-1, {}, {{Op::FillBox, 90, 1485, 540, 1665, Outline}, Print(90, 1500, Text)});
    // 28.4 x 12.67 pixels: the far corner is not rounded.
    check(-2, {}, {{Op::FillBox, 75, 1470, 531, 1690, Outline}, Print(90, 1500, Text)}, 71, 190);
    // Pixel sizes round halves to even: 14.5 to 14, 15.5 to 16.
    check(0, {}, {Print(84, 1600, Text)}, 75, 180, 14.5f, 15.5f);
    for (const std::int16_t n : {2, 3}) {
        RecordingSurface thicker;
        PrintOutlined(thicker, 10, 20, "abc", n, Outline, Text);
        EXPECT_EQ(thicker.calls.size(), static_cast<std::size_t>((2 * n + 1) * (2 * n + 1) + 1));
    }
}

TEST(PrintOutlined, OverflowAbandonsTheRestOfTheCall) {
    RecordingSurface outlined, boxed;
    const std::int32_t lastFitting = std::numeric_limits<std::int32_t>::max() / 15;
    EXPECT_FALSE(PrintOutlined(outlined, lastFitting, 0, "abc", 1, Outline, Text));
    EXPECT_EQ(outlined.calls.size(), 6u);  // the columns at -1 and 0; +1 no longer fits
    EXPECT_EQ(outlined.foreColor, Outline);
    EXPECT_FALSE(PrintOutlined(boxed, std::numeric_limits<std::int32_t>::min(), 0, "abc", -2,
                               Outline, Text));
    EXPECT_TRUE(boxed.calls.empty());
}

}  // namespace
