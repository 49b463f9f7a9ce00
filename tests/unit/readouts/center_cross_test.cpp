#include "readouts/center_cross.h"

#include <gtest/gtest.h>

#include "doubles/recording_surface.h"

namespace {

// Two pixels wide at half the view, halves to even: on an odd size just before or just after the
// middle pixel.
TEST(DrawCenterCross, TwoPixelBandsAtHalfTheView) {
    const std::pair<PixelSize, const char*> cases[] = {
        {{128, 128}, "cross 64,64 2"}, {{101, 33}, "cross 50,16 2"}, {{103, 35}, "cross 52,18 2"}};
    for (const auto& [size, drawn] : cases) {
        RecordingSurface surface;
        surface.size = size;
        DrawCenterCrossOn(surface);
        EXPECT_EQ(surface.log, std::vector<std::string>{drawn});
    }
}

}  // namespace
