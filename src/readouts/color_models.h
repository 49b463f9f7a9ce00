#pragma once

#include <cstdint>

// Percentages 0..100.
struct CMYKColor {
    float C = 0;
    float M = 0;
    float Y = 0;
    float K = 0;
};

struct CMYColor {
    float C = 0;
    float M = 0;
    float Y = 0;
};

// Intermediate values are stored in single precision, which decides the whole-number read-out
// of values that sit right at a half percent.
CMYKColor RGBtoCMYK(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// Folds the black back into the three inks: the plain CMY model.
CMYColor CMYKtoCMY(float c, float m, float y, float k);
