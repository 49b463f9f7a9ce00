#include "raster/monitor_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rects = std::vector<PixelRect>;

// A secondary monitor of 640 x 480 left of a primary of 1024 x 512, then switched to 640 x 400
// within the same outline of the virtual screen, joined there by a third, made taller than the
// primary, and with no answer at all.
TEST(MonitorLayout, WhatLiesOnNoMonitorFollowsEveryChange) {
    const PixelRect outline{-640, 0, 1664, 512};
    const PixelRect primary{0, 0, 1024, 512};
    const struct {
        PixelRect virtualScreen;
        Rects monitors, expected;
    } readings[] = {
        {outline, {{-640, 0, 640, 480}, primary}, {{-640, 480, 640, 32}}},
        {outline, {{-640, 0, 640, 400}, primary}, {{-640, 400, 640, 112}}},
        {outline, {{-640, 0, 640, 400}, primary, {-640, 400, 320, 112}}, {{-320, 400, 320, 112}}},
        {{-640, 0, 1664, 600}, {{-640, 0, 640, 600}, primary}, {{0, 512, 1024, 88}}},
        {outline, {}, {}},
    };
    MonitorLayout layout;
    for (std::size_t i = 0; i < std::size(readings); ++i) {
        layout.Update(readings[i].virtualScreen, readings[i].monitors);
        EXPECT_EQ(layout.VirtualScreen(), readings[i].virtualScreen) << "reading " << i;
        EXPECT_EQ(layout.OffMonitors(), readings[i].expected) << "reading " << i;
    }
}

}  // namespace
