#include "core/angles.h"

#include <cmath>

namespace {
// Written with these digits so that every bearing comes out the same on every platform.
constexpr double Pi = 3.14159265358979;
constexpr double TwoPi = 6.28318530717958;
constexpr double ThreePi = 9.42477796076937;
}  // namespace

double AngleRad(double dx, double dy) {
    if (dy == 0) {
        return dx < 0 ? ThreePi / 2 : Pi / 2;
    }
    const double a = std::fabs(dx);
    const double b = std::fabs(dy);
    const double t = a < b ? std::atan(a / b) : Pi / 2 - std::atan(b / a);
    if (dx > 0) {
        return dy < 0 ? t : Pi - t;
    }
    return dy < 0 ? TwoPi - t : Pi + t;
}

float AngleDeg(float x1, float y1, float x2, float y2) {
    const double dx = static_cast<double>(x2) - static_cast<double>(x1);
    const double dy = static_cast<double>(y2) - static_cast<double>(y1);
    const float degrees = static_cast<float>(AngleRad(dx, dy) * 180 / Pi);
    return degrees >= 360.0f ? 0.0f : degrees;
}

float PolarX(float angle, float r) {
    return static_cast<float>(std::cos((static_cast<double>(angle) + 270) * TwoPi / 360) * r);
}

float PolarY(float angle, float r) {
    return static_cast<float>(std::sin((static_cast<double>(angle) + 270) * TwoPi / 360) * r);
}
