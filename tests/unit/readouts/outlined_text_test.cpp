#include "readouts/outlined_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "doubles/recording_surface.h"

namespace {

constexpr ColorValue Outline = Rgb(95, 95, 95), Text = Rgb(239, 239, 239);
constexpr FontSpec Font{"Tahoma", 7, false};
using Log = std::vector<std::string>;

// "ab" at pixel (6, 100), 10 x 12 pixels: what is drawn before the text, then the text on top.
TEST(PrintOutlined, WorkedExamples) {
    const struct {
        std::int16_t outline;
        Log before;  // the outline's prints, in any order, or the box
    } cases[] = {
        {1,
         {"ab@5,99 5f5f5f", "ab@5,100 5f5f5f", "ab@5,101 5f5f5f", "ab@6,99 5f5f5f",
          "ab@6,100 5f5f5f", "ab@6,101 5f5f5f", "ab@7,99 5f5f5f", "ab@7,100 5f5f5f",
          "ab@7,101 5f5f5f"}},
        {0, {}},
        // From X - 1 to X + W + 1 and from Y - 2 to Y + H, both corners included.
        {-2, {"fill 5,98 17,112 5f5f5f"}},
        // As wide as the text, one pixel up and one short below.
        {-1, {"fill 6,99 16,111 5f5f5f"}},
    };
    for (const auto& c : cases) {
        RecordingSurface surface;
        EXPECT_TRUE(PrintOutlined(surface, 6, 100, "ab", Font, c.outline, Outline, Text));
        ASSERT_FALSE(surface.log.empty());
        EXPECT_EQ(surface.log.back(), "ab@6,100 efefef") << c.outline;
        const std::multiset<std::string> before(surface.log.begin(), surface.log.end() - 1);
        EXPECT_EQ(before, std::multiset<std::string>(c.before.begin(), c.before.end()))
            << c.outline;
    }
    RecordingSurface thicker, outlined, boxed;
    PrintOutlined(thicker, 10, 20, "ab", Font, 2, Outline, Text);
    EXPECT_EQ(thicker.log.size(), 25u + 1);  // 5 x 5 outline prints
    // A position beyond 32 bits abandons the rest of the call.
    EXPECT_FALSE(PrintOutlined(outlined, INT32_MAX, 0, "ab", Font, 1, Outline, Text));
    EXPECT_EQ(outlined.log.size(), 6u);  // the columns at -1 and 0
    EXPECT_FALSE(PrintOutlined(boxed, INT32_MIN, 0, "ab", Font, -2, Outline, Text));
    EXPECT_EQ(boxed.log, Log{});
}

}  // namespace
