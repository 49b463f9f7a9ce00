#include "readouts/outlined_text.h"

#include <optional>

#include "base/checked_int.h"

namespace {

std::optional<std::int32_t> Shifted(std::int32_t pixel, std::int32_t offset) {
    return ToInt32(std::int64_t{pixel} + offset);
}

// Every offset of the square around the text, the unshifted one included; the text on top hides
// the middle.
bool PrintOutline(DrawingSurface& target, std::int32_t x, std::int32_t y, const std::string& text,
                  const FontSpec& font, std::int32_t thickness, Color color) {
    for (std::int32_t i = -thickness; i <= thickness; ++i) {
        for (std::int32_t j = -thickness; j <= thickness; ++j) {
            const auto left = Shifted(x, i);
            const auto top = Shifted(y, j);
            if (!left || !top) {
                return false;
            }
            target.PrintText(*left, *top, text, font, color);
        }
    }
    return true;
}

bool DrawBox(DrawingSurface& target, std::int32_t x, std::int32_t y, const std::string& text,
             const FontSpec& font, std::int32_t margin, Color fill) {
    const PixelSize extent = target.MeasureText(text, font);
    const auto left = Shifted(x, 1 - margin);
    const auto top = Shifted(y, -margin);
    const auto right = ToInt32(std::int64_t{x} + extent.width + margin - 1);
    const auto bottom = ToInt32(std::int64_t{y} + extent.height + margin - 2);
    if (!left || !top || !right || !bottom) {
        return false;
    }
    target.FillBox(*left, *top, *right, *bottom, fill);
    return true;
}

}  // namespace

bool PrintOutlined(DrawingSurface& target, std::int32_t x, std::int32_t y, const std::string& text,
                   const FontSpec& font, std::int16_t outline, Color outlineColor,
                   Color textColor) {
    if (outline > 0 && !PrintOutline(target, x, y, text, font, outline, outlineColor)) {
        return false;
    }
    if (outline < 0 && !DrawBox(target, x, y, text, font, -std::int32_t{outline}, outlineColor)) {
        return false;
    }
    target.PrintText(x, y, text, font, textColor);
    return true;
}
