#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "raster/area_average.h"
#include "raster/caret_scaling.h"
#include "raster/monitor_layout.h"
#include "raster/placement.h"

namespace {

TEST(Placement, TheOnScreenPartAndWhereItLands) {
    const PixelRect screen{0, 0, 1024, 768};
    // A second monitor left of the primary one: the virtual screen starts below 0.
    EXPECT_EQ(Intersect({-1300, 900, 100, 200}, {-1280, 0, 2304, 1024}),
              (PixelRect{-1280, 900, 80, 124}));
    // The right edge lies beyond the 32-bit range.
    EXPECT_EQ(Intersect({2147483000, 0, 2147483647, 10}, {0, 0, 2147483647, 10}),
              (PixelRect{2147483000, 0, 647, 10}));
    EXPECT_FALSE(Intersect({1024, 0, 10, 10}, screen));  // only touching
    // 3000 x 2000 at 10% with the screen at (1000, 600): right 202.4, bottom 136.8; edges at
    // 0.5 and 1.5 go to 0 and 2, at 1.5 and 2.5 to 2 and 2.
    EXPECT_EQ(ScalePlacement({1000, 600, 1024, 768}, 3000, 2000, 300, 200),
              (PixelRect{100, 60, 102, 77}));
    EXPECT_EQ(ScalePlacement({1, 3, 2, 2}, 4, 10, 2, 5), (PixelRect{0, 2, 2, 0}));
    // Brought inside a work area at its size; one larger than the area keeps its top-left on it.
    EXPECT_EQ(InsideArea({5000, -3000, 128, 64}, {0, 0, 1024, 738}), (PixelRect{896, 0, 128, 64}));
    EXPECT_EQ(InsideArea({-5000, 10, 2000, 64}, {-1280, 0, 1280, 1024}),
              (PixelRect{-1280, 10, 2000, 64}));
    // A part to grab needs 32 x 32 pixels on one work area: 28 x 23 at the bottom-left corner is
    // too little, 128 x 58 at the bottom is enough, and so is exactly 32 x 32.
    const std::vector<PixelRect> areas{{0, 0, 1024, 768}, {-640, 0, 640, 480}};
    EXPECT_FALSE(ShowsGrabbablePart({-100, 745, 128, 64}, areas, 32));
    EXPECT_TRUE(ShowsGrabbablePart({7, 710, 128, 64}, areas, 32));
    EXPECT_TRUE(ShowsGrabbablePart({-32, 448, 128, 64}, areas, 32));
    EXPECT_FALSE(ShowsGrabbablePart({-20, 460, 40, 64}, areas, 32));  // 20 x 20 on each
}

// A secondary monitor of 640 x 480 left of a primary of 1024 x 512, then switched to 640 x 400
// within the same outline of the virtual screen, joined there by a third, made taller than the
// primary, and with no answer at all.
TEST(MonitorLayout, WhatLiesOnNoMonitorFollowsEveryChange) {
    const PixelRect outline{-640, 0, 1664, 512};
    const PixelRect primary{0, 0, 1024, 512};
    const struct {
        PixelRect virtualScreen;
        std::vector<PixelRect> monitors, expected;
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

// A caret of an unaware window, in its own logical units, in physical pixels; unchanged where the
// two DPIs agree or one is unknown.
TEST(Placement, CaretsOfUnawareWindows) {
    // clang-format off
    const struct { int windowDpi, monitorDpi; std::vector<std::int32_t> expected; } cases[] = {
        {96, 96, {10, 21, 15}}, {192, 192, {10, 21, 15}}, {96, 192, {20, 42, 30}},
        {96, 144, {15, 32, 22}}, {144, 192, {13, 28, 20}}, {0, 192, {10, 21, 15}},
        {96, 0, {10, 21, 15}}};
    // clang-format on
    for (const auto& c : cases) {
        const CaretInfo scaled = CaretInPhysicalPixels({10, 21, 15}, c.windowDpi, c.monitorDpi);
        EXPECT_EQ((std::vector<std::int32_t>{scaled.x, scaled.top, scaled.height}), c.expected)
            << c.windowDpi << " on " << c.monitorDpi;
    }
}

constexpr std::uint32_t G(std::uint32_t level) {
    return level * 0x010101;
}
constexpr std::uint32_t B = 0, W = G(255), U = 7;  // U: left unwritten

struct Case {
    const char* name;
    std::vector<std::uint32_t> source;
    int sw, sh, tw, th, ow, oh, stride;  // source, scaled and written sizes; target row distance
    std::vector<std::uint32_t> expected;
    int offScreen = 0;  // area pixels left of the source, off the screen
};

TEST(AverageScale, EveryPixelIsTheExactMeanOfTheAreaItCovers) {
    std::vector<std::uint32_t> halves(200, G(255));  // 20 x 20, its lower half at level 2
    halves.resize(400, G(2));
    // clang-format off
    const Case cases[] = {
        // 127.5 rounds up to the even 128, 2.5 down to the even 2.
        {"checkerboard", {B, W, W, B}, 2, 2, 1, 1, 1, 1, 1, {G(128)}},
        {"half to even", {G(2), G(3)}, 2, 1, 1, 1, 1, 1, 1, {G(2)}},
        // Blue-green-red from the lowest byte: pure red, pure blue, green at two levels.
        {"channels", {0xFF0000, 0x0000FF, 0x00C800, 0x006400}, 4, 1, 1, 1, 1, 1, 1, {0x404B40}},
        // One and a half pixels each: (0 + 45) / 1.5 = 30 and (45 + 180) / 1.5 = 150.
        {"across", {G(0), G(90), G(180)}, 3, 1, 2, 1, 2, 1, 2, {G(30), G(150)}},
        {"down", {G(0), G(90), G(180)}, 1, 3, 1, 2, 1, 2, 1, {G(30), G(150)}},
        // An area too large for a table of means: 128.5 rounds down to the even 128.
        {"large area", halves, 20, 20, 1, 1, 1, 1, 1, {G(128)}},
        // Of a 3 x 3 result only the top-left 2 x 2 is written; its second row is half of each.
        {"clipped", {G(0), G(90), G(180), G(90), G(180), G(0)}, 3, 2, 3, 3, 2, 2, 3,
         {G(0), G(90), U, G(45), G(135)}},
        // Halved, the pixel off the screen counts as black: (0 + 90) / 2 and (180 + 30) / 2.
        {"screen's edge", {G(90), G(180), G(30)}, 3, 1, 2, 1, 2, 1, 2, {G(45), G(105)}, 1},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<std::uint32_t> target(c.expected.size(), U);
        const Picture area{c.sw + c.offScreen,
                           c.sh,
                           {c.offScreen, 0, c.sw, c.sh},
                           {c.source.data(), c.sw, c.sh, c.sw}};
        AverageScale(area, c.tw, c.th, {target.data(), c.ow, c.oh, c.stride});
        EXPECT_EQ(target, c.expected) << c.name;
    }
}

}  // namespace
