#include "readouts/centre_cross.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/setting_log_surface.h"

namespace {

struct CrossCase {
    float width, height;  // twips
    float centreX, centreY;
};

TEST(CenterCross, DrawsThroughTheUnroundedMiddle) {
    const CrossCase cases[] = {
        {1500, 1500, 750, 750},     // 100 pixels at 15 twips per pixel
        {1515, 1500, 757.5f, 750},  // 101 pixels: between two pixels, not rounded
        {1920, 975, 960, 487.5f},   // 128 x 65 pixels
    };
    for (const CrossCase& c : cases) {
        SettingLogSurface surface;
        surface.width = c.width;
        surface.height = c.height;

        DrawCenterCross(surface);

        const auto lines = surface.Calls(SurfaceCall::Op::Line);
        ASSERT_EQ(lines.size(), 2u);
        const SurfaceCall& vertical = lines[0];
        EXPECT_EQ(vertical.x1, c.centreX);
        EXPECT_EQ(vertical.y1, 0);
        EXPECT_EQ(vertical.x2, c.centreX);
        EXPECT_EQ(vertical.y2, c.height);
        const SurfaceCall& horizontal = lines[1];
        EXPECT_EQ(horizontal.x1, 0);
        EXPECT_EQ(horizontal.y1, c.centreY);
        EXPECT_EQ(horizontal.x2, c.width);
        EXPECT_EQ(horizontal.y2, c.centreY);
    }
}

TEST(CenterCross, DrawsTwoPixelWhiteInvertingLines) {
    SettingLogSurface surface;
    surface.foreColor = 0x00FF00;
    DrawCenterCross(surface);
    for (const SurfaceCall& line : surface.Calls(SurfaceCall::Op::Line)) {
        EXPECT_EQ(line.colour, 0xFFFFFF);
        EXPECT_EQ(line.drawMode, DrawModes::XorPen);
        EXPECT_EQ(line.drawWidth, 2);
    }
    EXPECT_EQ(surface.foreColorAtLines, (std::vector<ColorValue>{0, 0}));
}

TEST(CenterCross, RestoresTheSettingsInOrder) {
    SettingLogSurface surface;
    surface.foreColor = 0x123456;
    surface.drawMode = DrawModes::CopyPen;
    surface.drawWidth = 3;

    DrawCenterCross(surface);

    EXPECT_EQ(surface.foreColor, 0x123456);
    EXPECT_EQ(surface.drawMode, DrawModes::CopyPen);
    EXPECT_EQ(surface.drawWidth, 3);
    const std::vector<std::string> expected{"fore 0",       "mode 7",  "width 2",
                                            "fore 1193046", "mode 13", "width 3"};
    EXPECT_EQ(surface.settings, expected);
}

}  // namespace
