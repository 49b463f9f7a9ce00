#include "base/twips.h"

#include <gtest/gtest.h>

namespace {

// One whole factor per display scale: 1440 / dpi rounded, halves (192 dpi) to even; none known: 15.
TEST(Twips, WholeFactorPerDisplayScale) {
    const int cases[][2] = {{96, 15}, {120, 12}, {144, 10}, {168, 9}, {192, 8}, {288, 5}, {0, 15}};
    for (const auto [dpi, factor] : cases) {
        EXPECT_EQ(TwipsPerPixelForDpi(dpi), factor) << dpi;
    }
}

}  // namespace
