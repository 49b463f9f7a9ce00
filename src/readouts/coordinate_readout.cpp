#include "readouts/coordinate_readout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>

#include "base/checked_int.h"
#include "base/rounding.h"
#include "base/twips.h"
#include "readouts/fonts.h"
#include "readouts/outlined_text.h"

namespace {

constexpr Color OutlineColor = Rgb(95, 95, 95);
constexpr Color TextColor = Rgb(239, 239, 239);
constexpr std::int16_t OutlineThickness = 1;
// Distances at 96 dpi, which grow with the display scale.
constexpr std::int32_t LeftMargin = 5;
constexpr std::int32_t RightMargin = 4;
constexpr std::int32_t FirstLineTop = 3;
constexpr std::int32_t AngleLineTop = 16;
constexpr const char* DegreeSign = "\xC2\xB0";  // U+00B0 in UTF-8

std::string PairText(const char* first, std::int32_t a, const char* second, std::int32_t b) {
    return std::string(first) + std::to_string(a) + "   " + second + std::to_string(b);
}

// Left edge of a line `textWidth` wide that ends `rightMargin` pixels before the right edge;
// nothing when it lies beyond the 32-bit range.
std::optional<std::int32_t> RightAlignedLeft(const DrawingSurface& surface, std::int32_t textWidth,
                                             std::int32_t rightMargin) {
    return ToInt32(std::int64_t{surface.Size().width} - textWidth - rightMargin);
}

// `value` with exactly two decimals, the float's exact value rounded with halves to even
// (287.456 -> "287.46", 359.996 -> "360.00", 0.125 -> "0.12"). NaN and infinities are spelled
// out.
std::string FormatTwoDecimals(float value, const std::string& decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    }
    // A float times 100 is exact in a double, so this rounds the float's own value.
    const double cents = RoundHalfEven(static_cast<double>(value) * 100.0);
    char digits[64];  // the largest float has 39 digits before the point
    const auto written = std::to_chars(std::begin(digits), std::end(digits), std::fabs(cents),
                                       std::chars_format::fixed, 0);
    std::string whole(digits, written.ptr);
    whole.insert(0, whole.size() < 3 ? 3 - whole.size() : 0, '0');
    const std::string fraction = whole.substr(whole.size() - 2);
    whole.resize(whole.size() - 2);
    return (cents < 0 ? "-" : "") + whole + decimalSeparator + fraction;
}

void PrintLine(DrawingSurface& surface, std::int32_t x, std::int32_t y, const std::string& text) {
    // A line that cannot be drawn is left out; the others still are.
    (void)PrintOutlined(surface, x, y, text, CoordinateFont, OutlineThickness, OutlineColor,
                        TextColor);
}

}  // namespace

void DrawCoordinatesOn(DrawingSurface& surface, const ViewState& view,
                       const std::string& decimalSeparator) {
    const int dpi = surface.Dpi();
    const std::int32_t top = PixelsAtDpi(FirstLineTop, dpi);
    PrintLine(surface, PixelsAtDpi(LeftMargin, dpi), top,
              PairText("X ", view.measured.x, "Y ", view.measured.y));
    if (!view.Measuring()) {
        return;
    }
    const std::int32_t rightMargin = PixelsAtDpi(RightMargin, dpi);
    const std::string distance = PairText("W ", view.distanceX, "H ", view.distanceY);
    const PixelSize distanceExtent = surface.MeasureText(distance, CoordinateFont);
    if (const auto x = RightAlignedLeft(surface, distanceExtent.width, rightMargin)) {
        PrintLine(surface, *x, top, distance);
    }
    // Fonts do not grow exactly with the scale: where the scaled top would bring the angle's
    // outline onto the distance's, the angle goes down to the first row clear of it.
    const auto angleTop = ToInt32(
        std::max<std::int64_t>(PixelsAtDpi(AngleLineTop, dpi),
                               std::int64_t{top} + distanceExtent.height + 2 * OutlineThickness));
    const std::string angle = "A " + FormatTwoDecimals(view.bearing, decimalSeparator) + DegreeSign;
    const auto x =
        RightAlignedLeft(surface, surface.MeasureText(angle, CoordinateFont).width, rightMargin);
    if (x && angleTop) {
        PrintLine(surface, *x, *angleTop, angle);
    }
}
