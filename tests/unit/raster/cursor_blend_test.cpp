#include "raster/cursor_blend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The target's pixels carry 0xAA in their unused byte, which a blend keeps.
constexpr std::uint32_t Before = 0xAAC8C8C8;  // the target before the blend
constexpr std::uint32_t Kept = 0xAA000000;

// A 2 x 2 image of four opaque pixels laid on a 3 x 3 target (rows 4 apart, the fourth column
// outside the target) at each side and beyond: the letters show which image pixel lands where.
TEST(BlendPremultiplied, ClippedAtEverySideOfTheTarget) {
    const std::uint32_t image[] = {0xFF110000, 0xFF220000, 0xFF330000, 0xFF440000};
    const auto pixel = [](char c) {
        return c == '.' ? Before : Kept | ((c - 'A' + 1) * 0x110000u);
    };
    const struct {
        int left, top;
        std::string rows;  // A B / C D from the image, '.' the target untouched
    } cases[] = {
        {0, 0, "AB.CD...."},  {-1, 1, "...B..D.."},  {2, 0, "..A..C..."}, {1, -1, ".CD......"},
        {0, 2, "......AB."},  {-1, -1, "D........"}, {2, 2, "........A"}, {3, 0, "........."},
        {0, -2, "........."}, {-5, 7, "........."},
    };
    for (const auto& c : cases) {
        std::vector<std::uint32_t> target(12, Before);
        BlendPremultiplied({image, 2, 2, 2}, {target.data(), 3, 3, 4}, c.left, c.top);
        std::vector<std::uint32_t> expected(12, Before);
        for (int i = 0; i < 9; ++i) {
            expected[i / 3 * 4 + i % 3] = pixel(c.rows[i]);
        }
        EXPECT_EQ(target, expected) << c.left << ", " << c.top;
    }
}

// Premultiplied: an opaque pixel replaces the target, a fully transparent one leaves it, and one
// at alpha 128 adds the target times 127 / 255 (200 -> 99.6, rounded to 100) to its own channels.
TEST(BlendPremultiplied, WeighsTheTargetByWhatTheImageLeaves) {
    const std::uint32_t image[] = {0xFF102030, 0x80402010, 0x00000000, 0x40FFFFFF};
    std::vector<std::uint32_t> target(4, Before);
    BlendPremultiplied({image, 4, 1, 4}, {target.data(), 4, 1, 4}, 0, 0);
    // The last is not truly premultiplied (channels above alpha): it saturates at 255.
    EXPECT_EQ(target, (std::vector<std::uint32_t>{Kept | 0x102030, Kept | 0xA48474, Before,
                                                  Kept | 0xFFFFFF}));
}

TEST(BlendPremultiplied, BlockPixelsAsColourValues) {
    EXPECT_EQ(ColorOfBlockPixel(0xAA112233), Rgb(0x11, 0x22, 0x33));
}

}  // namespace
