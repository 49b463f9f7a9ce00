#include "raster/caret_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CaretScaling, LogicalUnitsOfAnUnawareWindowBecomePhysicalPixels) {
    const struct {
        int windowDpi, monitorDpi;
        CaretInfo expected;
    } cases[] = {
        {96, 96, {10, 21, 15}},  {192, 192, {10, 21, 15}}, {96, 192, {20, 42, 30}},
        {96, 144, {15, 32, 22}}, {144, 192, {13, 28, 20}}, {0, 192, {10, 21, 15}},
        {96, 0, {10, 21, 15}},
    };
    for (const auto& c : cases) {
        const CaretInfo scaled = CaretInPhysicalPixels({10, 21, 15}, c.windowDpi, c.monitorDpi);
        EXPECT_EQ((std::vector<std::int32_t>{scaled.x, scaled.top, scaled.height}),
                  (std::vector<std::int32_t>{c.expected.x, c.expected.top, c.expected.height}))
            << c.windowDpi << " on " << c.monitorDpi;
    }
}

}  // namespace
