#include "readouts/centre_cross.h"

#include <gtest/gtest.h>

#include "doubles/recording_surface.h"

namespace {

// 100 pixels at 15 twips a pixel put the line at 750 twips, 101 pixels between two pixels.
TEST(CenterCross, TwoInvertingLinesThroughTheUnroundedMiddle) {
    const float cases[][4] = {
        {1500, 1500, 750, 750}, {1515, 1500, 757.5f, 750}, {1920, 975, 960, 487.5f}};
    for (const auto [width, height, middleX, middleY] : cases) {
        RecordingSurface surface;
        surface.width = width;
        surface.height = height;
        surface.foreColor = 0x123456;
        surface.drawWidth = 3;
        DrawCenterCross(surface);
        using Op = SurfaceCall::Op;
        EXPECT_EQ(surface.calls,
                  (std::vector<SurfaceCall>{{Op::Line, middleX, 0, middleX, height, 0xFFFFFF},
                                            {Op::Line, 0, middleY, width, middleY, 0xFFFFFF}}));
        EXPECT_EQ(surface.log,
                  (std::vector<std::string>{"fore 0", "mode 7", "width 2", "line", "line",
                                            "fore 1193046", "mode 13", "width 3"}));
    }
}

}  // namespace
