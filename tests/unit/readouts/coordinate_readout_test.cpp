#include "readouts/coordinate_readout.h"

#include <gtest/gtest.h>

#include "doubles/recording_surface.h"

namespace {

using Lines = std::vector<std::string>;

// Each line as "text@x,y" in pixels: the prints in the text colour, each of which has nine in the
// outline colour, all in Tahoma 7, not bold.
Lines Draw(std::int32_t width, std::int32_t dx, std::int32_t dy, float angle = 287.456f) {
    RecordingSurface surface;
    surface.size.width = width;
    surface.fonts = true;
    const ViewState view{
        .measured = {1024, -3}, .distanceX = dx, .distanceY = dy, .bearing = angle};
    DrawCoordinatesOn(surface, view, ",");
    Lines lines;
    std::size_t outlines = 0;
    for (std::string entry : surface.log) {
        EXPECT_TRUE(entry.ends_with(" Tahoma 7.0")) << entry;
        entry.resize(entry.size() - 11);
        if (entry.ends_with(" efefef")) {
            lines.push_back(entry.substr(0, entry.size() - 7));
        } else {
            outlines += entry.ends_with(" 5f5f5f") ? 1 : 0;
        }
    }
    EXPECT_EQ(outlines, 9 * lines.size());
    for (const FontSpec& font : surface.measuredIn) {
        EXPECT_EQ(font, (FontSpec{"Tahoma", 7, false}));
    }
    return lines;
}

// 5 pixels a byte: the right-hand lines start at width - 5 * bytes - 4.
TEST(DrawCoordinates, ThePointAtTheTopLeftAndAMeasurementAtTheTopRight) {
    const std::string point = "X 1024   Y -3@5,3", angle = "A 287,46\xC2\xB0@";
    EXPECT_EQ(Draw(128, NoMeasure, NoMeasure), Lines{point});
    EXPECT_EQ(Draw(128, NoMeasure, 0), Lines{point});
    EXPECT_EQ(Draw(128, 0, NoMeasure), Lines{point});
    EXPECT_EQ(Draw(128, -65535, -65535),
              (Lines{point, "W -65535   H -65535@29,3", angle + "74,16"}));
    EXPECT_EQ(Draw(129, -12, 4), (Lines{point, "W -12   H 4@70,3", angle + "75,16"}));
}

// The float's exact value rounded, halves to even: 359.995f is 359.99499..., 2.675f 2.67499...
TEST(DrawCoordinates, TheAngleHasTwoDecimals) {
    const std::pair<float, const char*> cases[] = {
        {359.996f, "360,00"}, {359.995f, "359,99"}, {0.0f, "0,00"},   {0.125f, "0,12"},
        {0.375f, "0,38"},     {2.675f, "2,67"},     {-1.5f, "-1,50"}, {-0.001f, "0,00"}};
    for (const auto& [angle, text] : cases) {
        const std::string line = Draw(128, 1, 1, angle).at(2);
        EXPECT_EQ(line.substr(0, line.find('@')), "A " + std::string(text) + "\xC2\xB0");
    }
}

}  // namespace
