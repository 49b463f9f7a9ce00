#include "readouts/coordinate_readout.h"

#include <gtest/gtest.h>

#include "doubles/recording_surface.h"

namespace {

using Lines = std::vector<std::string>;

// Each line as "text@x,y" in pixels, checked to come after its nine outline prints.
Lines Draw(float width, std::int32_t w, std::int32_t h, float angle) {
    RecordingSurface surface;
    surface.width = width;
    const ViewState view{
        .MeasureX = 1024, .MeasureY = -3, .MeasureW = w, .MeasureH = h, .MeasureAngle = angle};
    DrawCoordinates(surface, view, 15, ",");
    Lines lines;
    for (std::size_t i = 0; i < surface.calls.size(); ++i) {
        const SurfaceCall& call = surface.calls[i];
        EXPECT_EQ(call.colour, i % 10 == 9 ? Rgb(239, 239, 239) : Rgb(95, 95, 95)) << call;
        if (i % 10 == 9) {
            lines.push_back(call.text + "@" + std::to_string(int(call.x1 / 15)) + "," +
                            std::to_string(int(call.y1 / 15)));
        }
    }
    EXPECT_EQ(surface.log.at(0) + ", " + surface.log.at(1) + ", " + surface.log.at(2),
              "Tahoma, size 7, bold 0");
    EXPECT_TRUE(surface.fontName == "Tahoma" && surface.fontSize == 7 && !surface.fontBold);
    return lines;
}

// 75 twips a byte: the right-hand lines start at (width - 75 * bytes) / 15 - 4, rounded.
TEST(DrawCoordinates, ThePointAtTheTopLeftAndAMeasurementAtTheTopRight) {
    const std::string point = "X 1024   Y -3@5,3", angle = "A 287,46\xC2\xB0@";
    const struct {
        std::int32_t w, h;
        float width;
        Lines lines;
    } cases[] = {
        {NoMeasure, NoMeasure, 1920, {point}},
        {NoMeasure, 0, 1920, {point}},
        {0, NoMeasure, 1920, {point}},
        {-12, 40, 1920, {point, "W -12   H 40@64,3", angle + "74,16"}},
        {-12, 40, 1927.5f, {point, "W -12   H 40@64,3", angle + "74,16"}},  // 64.5 and 74.5
        {-12, 40, 1942.5f, {point, "W -12   H 40@66,3", angle + "76,16"}},  // 65.5 and 75.5
        {-65535, -65535, 1920, {point, "W -65535   H -65535@29,3", angle + "74,16"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Draw(c.width, c.w, c.h, 287.456f), c.lines);
    }
}

// The float's exact value rounded, halves to even: 359.995f is 359.99499..., 2.675f 2.67499...
TEST(DrawCoordinates, TheAngleHasTwoDecimals) {
    const std::pair<float, const char*> cases[] = {
        {359.996f, "A 360,00"}, {359.995f, "A 359,99"}, {0.0f, "A 0,00"},   {0.125f, "A 0,12"},
        {0.375f, "A 0,38"},     {2.675f, "A 2,67"},     {-1.5f, "A -1,50"}, {-0.001f, "A 0,00"}};
    for (const auto& [angle, text] : cases) {
        const std::string line = Draw(1920, 1, 1, angle).at(2);
        EXPECT_EQ(line.substr(0, line.find('@')), std::string(text) + "\xC2\xB0");
    }
}

}  // namespace
