#include "readouts/coordinate_readout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/recording_surface.h"

namespace {

constexpr ColorValue Text = Rgb(239, 239, 239);

// The texts printed in the text colour, one for each line, after its nine outline passes.
std::vector<SurfaceCall> Lines(const RecordingSurface& surface) {
    std::vector<SurfaceCall> lines;
    for (const SurfaceCall& call : surface.calls) {
        if (call.colour == Text) {
            lines.push_back(call);
        }
    }
    return lines;
}

std::vector<SurfaceCall> Draw(RecordingSurface& surface, std::int32_t w, std::int32_t h,
                              float angle, const std::string& separator = ".") {
    const ViewState view{
        .MeasureX = 1024, .MeasureY = -3, .MeasureW = w, .MeasureH = h, .MeasureAngle = angle};
    DrawCoordinates(surface, view, 15, separator);
    return Lines(surface);
}

TEST(DrawCoordinates, WithoutMeasurementOnlyThePointAtTheTopLeft) {
    RecordingSurface surface;
    const auto lines = Draw(surface, NoMeasure, NoMeasure, 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(surface.calls.size(), 10u);
    EXPECT_EQ(surface.calls.front().colour, Rgb(95, 95, 95));
    EXPECT_EQ(lines[0].text, "X 1024   Y -3");
    EXPECT_EQ(lines[0].x1, 5 * 15);
    EXPECT_EQ(lines[0].y1, 3 * 15);
}

TEST(DrawCoordinates, MeasurementEndsFourPixelsBeforeTheRightEdge) {
    RecordingSurface surface;  // 1920 twips wide, 75 twips a character (a byte)
    const auto lines = Draw(surface, -12, 40, 287.456f, ",");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, "W -12   H 40");  // (1920 - 900) / 15 - 4 = 64
    EXPECT_EQ(lines[1].x1, 64 * 15);
    EXPECT_EQ(lines[1].y1, 3 * 15);
    EXPECT_EQ(lines[2].text, "A 287,46\xC2\xB0");  // (1920 - 750) / 15 - 4 = 74
    EXPECT_EQ(lines[2].x1, 74 * 15);
    EXPECT_EQ(lines[2].y1, 16 * 15);
}

TEST(DrawCoordinates, RightAlignedLeftEdgeRoundsHalvesToEven) {
    // (width - 900) / 15 - 4 is 64.5 and 65.5
    for (const auto& [width, x] : {std::pair{1927.5f, 64}, std::pair{1942.5f, 66}}) {
        RecordingSurface surface;
        surface.width = width;
        EXPECT_EQ(Draw(surface, -12, 40, 0).at(1).x1, x * 15) << width;
    }
}

TEST(DrawCoordinates, MeasurementOnlyAboveNoMeasureInBothDistances) {
    struct Case {
        std::int32_t w, h;
        std::size_t lines;
    };
    const Case cases[] = {{-65535, -65535, 3}, {NoMeasure, 0, 1}, {0, NoMeasure, 1}};
    for (const Case& c : cases) {
        RecordingSurface surface;
        EXPECT_EQ(Draw(surface, c.w, c.h, 90).size(), c.lines) << c.w << ", " << c.h;
    }
}

TEST(DrawCoordinates, LeavesTahomaSevenNotBold) {
    RecordingSurface surface;
    surface.fontName = "Terminal";
    surface.fontSize = 6;
    surface.fontBold = true;
    Draw(surface, 1, 1, 0);
    EXPECT_EQ(surface.fontName, "Tahoma");
    EXPECT_EQ(surface.fontSize, 7);
    EXPECT_FALSE(surface.fontBold);
    EXPECT_FALSE(surface.calls.front().fontBold);
}

TEST(FormatTwoDecimals, RoundsTheFloatsExactValueHalvesToEven) {
    struct Case {
        float value;
        const char* expected;
    };
    const Case cases[] = {
        {359.996f, "360.00"},                    // float 359.99600219...
        {359.995f, "359.99"},                    // float 359.99499511...
        {0.0f, "0.00"},       {0.125f, "0.12"},  // exact halves go to the even digit
        {0.375f, "0.38"},     {2.675f, "2.67"},  // float 2.67499995...
        {-1.5f, "-1.50"},     {-0.001f, "0.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatTwoDecimals(c.value, "."), c.expected) << c.value;
    }
    EXPECT_EQ(FormatTwoDecimals(7.25f, "\xD9\xAB"),
              "7\xD9\xAB"
              "25");  // a two-byte separator
}

}  // namespace
