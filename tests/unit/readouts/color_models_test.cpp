#include "readouts/color_models.h"

#include <gtest/gtest.h>

namespace {

// c = float(56/255), k = float(55/255); c - k, 1 - k, the quotient and the product with 100
// each stored as a float give 0.5 - 2^-24, which reads as 0. Carried in double to the end the
// value would become 0.5f instead.
TEST(ColorModels, StoresEveryStepInSinglePrecision) {
    EXPECT_EQ(RGBtoCMYK(199, 200, 200).C, 0.5f - 0x1p-24f);
}

}  // namespace
