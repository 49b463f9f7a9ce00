#include "readouts/colour_models.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ColourBytes, SplitByDivisionsThatTruncateTowardZero) {
    struct Case {
        ColorValue colour;
        std::int16_t red, green, blue;
    };
    const Case cases[] = {
        {0x00336699, 0x99, 0x66, 0x33},
        {-1, 255, 0, 0},
        {-256, 0, 255, 0},  // 0xFFFFFF00: -1 after / 256, 0 after / 65536
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetRed(c.colour), c.red) << c.colour;
        EXPECT_EQ(GetGreen(c.colour), c.green) << c.colour;
        EXPECT_EQ(GetBlue(c.colour), c.blue) << c.colour;
    }
}

TEST(RGBtoCMYK, AndBackToCMY) {
    constexpr float half = 100.0f * 127 / 255;  // 49.8039...
    struct Case {
        std::uint8_t r, g, b;
        float c, m, y, k;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 100},        {255, 255, 255, 0, 0, 0, 0},    {255, 0, 0, 0, 100, 100, 0},
        {128, 128, 128, 0, 0, 0, half}, {255, 128, 0, 0, half, 100, 0},
    };
    for (const Case& c : cases) {
        const CMYKColor cmyk = RGBtoCMYK(c.r, c.g, c.b);
        EXPECT_NEAR(cmyk.C, c.c, 1e-4) << int{c.r} << "," << int{c.g} << "," << int{c.b};
        EXPECT_NEAR(cmyk.M, c.m, 1e-4) << int{c.r} << "," << int{c.g} << "," << int{c.b};
        EXPECT_NEAR(cmyk.Y, c.y, 1e-4) << int{c.r} << "," << int{c.g} << "," << int{c.b};
        EXPECT_NEAR(cmyk.K, c.k, 1e-4) << int{c.r} << "," << int{c.g} << "," << int{c.b};
        const CMYColor cmy = CMYKtoCMY(cmyk.C, cmyk.M, cmyk.Y, cmyk.K);
        EXPECT_NEAR(cmy.C, 100 * (1 - c.r / 255.0), 1e-4);
        EXPECT_NEAR(cmy.M, 100 * (1 - c.g / 255.0), 1e-4);
        EXPECT_NEAR(cmy.Y, 100 * (1 - c.b / 255.0), 1e-4);
    }
}

// c = float(56/255), k = float(55/255); c - k, 1 - k, the quotient and the product with 100
// each stored as a float give 0.5 - 2^-24, which reads as 0. Carried in double to the end the
// value would become 0.5f instead.
TEST(RGBtoCMYK, StoresEveryStepInSinglePrecision) {
    const CMYKColor cmyk = RGBtoCMYK(199, 200, 200);
    EXPECT_EQ(cmyk.C, 0.5f - 0x1p-24f);
    EXPECT_EQ(cmyk.M, 0.0f);
    EXPECT_NEAR(cmyk.K, 100.0 * 55 / 255, 1e-4);
}

TEST(CMYKtoCMY, FullBlackIsFullInkAndNoBlackChangesNothing) {
    const CMYColor black = CMYKtoCMY(12.5f, 87.5f, 0.3f, 100);
    EXPECT_EQ(black.C, 100.0f);
    EXPECT_EQ(black.M, 100.0f);
    EXPECT_EQ(black.Y, 100.0f);
    const CMYColor none = CMYKtoCMY(0.5f - 0x1p-24f, 49.803921f, 100, 0);
    EXPECT_EQ(none.C, 0.5f - 0x1p-24f);
    EXPECT_EQ(none.M, 49.803921f);
    EXPECT_EQ(none.Y, 100.0f);
}

}  // namespace
