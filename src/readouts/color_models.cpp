#include "readouts/color_models.h"

namespace {

float Ink(std::uint8_t channel) {
    return static_cast<float>(1.0 - channel / 255.0);
}

}  // namespace

CMYKColor RGBtoCMYK(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const float c = Ink(red);
    const float m = Ink(green);
    const float y = Ink(blue);
    float k = 1.0f;
    if (c < k) {
        k = c;
    }
    if (m < k) {
        k = m;
    }
    if (y < k) {
        k = y;
    }
    CMYKColor result;
    if (k != 1.0f) {  // only black has k = 1, and there the inks are all 0
        const float white = 1.0f - k;
        const float cyan = (c - k) / white;
        const float magenta = (m - k) / white;
        const float yellow = (y - k) / white;
        result.C = cyan * 100.0f;
        result.M = magenta * 100.0f;
        result.Y = yellow * 100.0f;
    }
    result.K = k * 100.0f;
    return result;
}

CMYColor CMYKtoCMY(float c, float m, float y, float k) {
    const double black = k / 100.0;
    const auto withBlack = [black](float ink) {
        return static_cast<float>(((1 - black) * (ink / 100.0) + black) * 100);
    };
    return CMYColor{withBlack(c), withBlack(m), withBlack(y)};
}
