#include "readouts/outlined_text.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "doubles/recording_surface.h"

namespace {

constexpr ColorValue Outline = Rgb(95, 95, 95), Text = Rgb(239, 239, 239), Frame = Rgb(1, 2, 3);
using Log = std::vector<std::string>;

// "ab" at pixel (6, 100): 9.47 x 12.67 pixels at 71 twips a byte, 190 high, 15 twips a pixel. The
// outline is set first and the fore colour as it was (black) last.
TEST(PrintOutlined, WorkedExamples) {
    const auto check = [](std::int16_t outline, std::optional<ColorValue> frame, const Log& log,
                          float pixelWidth = 15, float pixelHeight = 15) {
        RecordingSurface surface;
        surface.charWidth = 71;
        surface.lineHeight = 190;
        surface.pixelWidth = pixelWidth;
        surface.pixelHeight = pixelHeight;
        EXPECT_TRUE(PrintOutlined(surface, 6, 100, "ab", outline, Outline, Text, frame));
        EXPECT_EQ(surface.log, log) << outline;
    };
    // clang-format off
    // The outline column by column, then the text on top.
    check(1, Frame, {"fore 5f5f5f", "ab@75,1485 5f5f5f", "ab@75,1500 5f5f5f", "ab@75,1515 5f5f5f",
                     "ab@90,1485 5f5f5f", "ab@90,1500 5f5f5f", "ab@90,1515 5f5f5f",
                     "ab@105,1485 5f5f5f", "ab@105,1500 5f5f5f", "ab@105,1515 5f5f5f",
                     "fore efefef", "ab@90,1500 efefef", "fore 000000"});
    check(0, Frame, {"fore 5f5f5f", "fore efefef", "ab@90,1500 efefef", "fore 000000"});
    // The box from (5, 98) to (16.47, 112.67), framed after the fill: the far corner is not rounded.
    check(-2, Frame, {"fore 5f5f5f", "fill 75,1470 247,1690 5f5f5f", "frame 75,1470 247,1690 010203",
                      "fore efefef", "ab@90,1500 efefef", "fore 000000"});
    // As wide as the text, one pixel up; no frame without a frame colour.
    check(-1, {}, {"fore 5f5f5f", "fill 90,1485 232,1675 5f5f5f", "fore efefef", "ab@90,1500 efefef",
                   "fore 000000"});
    // Pixel sizes round halves to even: 14.5 to 14, 15.5 to 16.
    check(0, {}, {"fore 5f5f5f", "fore efefef", "ab@84,1600 efefef", "fore 000000"}, 14.5f, 15.5f);
    // clang-format on
    RecordingSurface thicker, outlined, boxed;
    PrintOutlined(thicker, 10, 20, "ab", 2, Outline, Text);
    EXPECT_EQ(thicker.log.size(), 25u + 4);  // 5 x 5 outline prints
    // A position beyond 32 bits abandons the rest of the call and leaves the colour as set.
    EXPECT_FALSE(PrintOutlined(outlined, INT32_MAX / 15, 0, "ab", 1, Outline, Text));
    EXPECT_EQ(outlined.log.size(), 7u);  // the outline colour and its columns at -1 and 0
    EXPECT_FALSE(PrintOutlined(boxed, INT32_MIN, 0, "ab", -2, Outline, Text));
    EXPECT_EQ(boxed.log, Log{"fore 5f5f5f"});
}

}  // namespace
