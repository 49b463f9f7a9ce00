#include "raster/cursor_blend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t Before = 0xAAC8C8C8;  // a target pixel; a blend keeps its unused byte
constexpr std::uint32_t Kept = 0xAA000000;

// Four opaque pixels A B / C D laid on a 3 x 3 target (rows 4 apart, the fourth column not the
// target's) at each side and beyond: the letters show which lands where, '.' what is untouched.
TEST(BlendPremultiplied, ClippedAtEverySideOfTheTarget) {
    const std::uint32_t image[] = {0xFF110000, 0xFF220000, 0xFF330000, 0xFF440000};
    const struct {
        int left, top;
        std::string rows;
    } cases[] = {{0, 0, "AB.CD...."},  {-1, 1, "...B..D.."}, {2, 0, "..A..C..."},
                 {1, -1, ".CD......"}, {0, 2, "......AB."},  {-1, -1, "D........"},
                 {2, 2, "........A"},  {3, 0, "........."},  {0, -2, "........."},
                 {-5, 7, "........."}};
    for (const auto& c : cases) {
        std::vector<std::uint32_t> target(12, Before);
        std::vector<std::uint32_t> expected(12, Before);
        for (int i = 0; i < 9; ++i) {
            expected[i / 3 * 4 + i % 3] =
                c.rows[i] == '.' ? Before : Kept | (c.rows[i] - 'A' + 1) * 0x110000u;
        }
        BlendPremultiplied({image, 2, 2, 2}, {target.data(), 3, 3, 4}, c.left, c.top);
        EXPECT_EQ(target, expected) << c.left << ", " << c.top;
    }
}

// Opaque replaces, fully transparent leaves, alpha 128 adds 127 / 255 of the target (200 -> 100
// rounded) to its own channels; channels above alpha (not premultiplied) saturate.
TEST(BlendPremultiplied, WeighsTheTargetByWhatTheImageLeaves) {
    const std::uint32_t image[] = {0xFF102030, 0x80402010, 0x00000000, 0x40FFFFFF};
    std::vector<std::uint32_t> target(4, Before);
    BlendPremultiplied({image, 4, 1, 4}, {target.data(), 4, 1, 4}, 0, 0);
    EXPECT_EQ(target, (std::vector<std::uint32_t>{Kept | 0x102030, Kept | 0xA48474, Before,
                                                  Kept | 0xFFFFFF}));
}

}  // namespace
