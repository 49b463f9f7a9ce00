#include "readouts/colour_models.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Floats = std::vector<float>;

TEST(ColourModels, BytesSplitByDivisionsThatTruncateTowardZero) {
    const ColorValue cases[][4] = {
        {0x00336699, 0x99, 0x66, 0x33}, {-1, 255, 0, 0}, {-256, 0, 255, 0}};
    for (const auto [colour, red, green, blue] : cases) {
        EXPECT_EQ((std::vector<int>{GetRed(colour), GetGreen(colour), GetBlue(colour)}),
                  (std::vector<int>{red, green, blue}));
    }
}

// CMYK, then CMY from it: 100 (1 - channel / 255) each.
TEST(ColourModels, RGBtoCMYKAndBackToCMY) {
    constexpr float half = 100.0f * 127 / 255;  // 49.8039...
    const float cases[][7] = {{0, 0, 0, 0, 0, 0, 100},        {255, 255, 255, 0, 0, 0, 0},
                              {255, 0, 0, 0, 100, 100, 0},    {128, 128, 128, 0, 0, 0, half},
                              {255, 128, 0, 0, half, 100, 0}, {10, 60, 200, 95, 70, 0, 21.568627f}};
    for (const auto [r, g, b, c, m, y, k] : cases) {
        const CMYKColor cmyk = RGBtoCMYK(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                         static_cast<std::uint8_t>(b));
        const CMYColor cmy = CMYKtoCMY(cmyk.C, cmyk.M, cmyk.Y, cmyk.K);
        const Floats actual{cmyk.C, cmyk.M, cmyk.Y, cmyk.K, cmy.C, cmy.M, cmy.Y};
        const Floats expected{c, m, y, k, 100 - r / 2.55f, 100 - g / 2.55f, 100 - b / 2.55f};
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i], expected[i], 1e-4) << r << "," << g << "," << b << " #" << i;
        }
    }
}

// c = float(56/255), k = float(55/255); c - k, 1 - k, the quotient and the product with 100
// each stored as a float give 0.5 - 2^-24, which reads as 0. Carried in double to the end the
// value would become 0.5f instead.
TEST(ColourModels, StoresEveryStepInSinglePrecision) {
    EXPECT_EQ(RGBtoCMYK(199, 200, 200).C, 0.5f - 0x1p-24f);
}

}  // namespace
