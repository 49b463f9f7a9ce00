#include "raster/area_average.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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
