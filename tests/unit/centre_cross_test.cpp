#include "readouts/centre_cross.h"

#include <gtest/gtest.h>

#include "doubles/recording_surface.h"

namespace {

// 101 pixels at 15 twips a pixel put the upright line at 757.5 twips, between two pixels; 65
// pixels put the level one at 487.5.
TEST(CenterCross, TwoInvertingLinesThroughTheUnroundedMiddle) {
    RecordingSurface surface;
    surface.width = 1515;
    surface.height = 975;
    surface.foreColor = 0x123456;
    surface.drawWidth = 3;
    DrawCenterCross(surface);
    EXPECT_EQ(surface.log,
              (std::vector<std::string>{
                  "fore 000000", "mode 7", "width 2", "line 757.5,0 757.5,975 ffffff",
                  "line 0,487.5 1515,487.5 ffffff", "fore 563412", "mode 13", "width 3"}));
}

}  // namespace
