#include "readouts/outlined_text.h"

#include "base/checked_int.h"
#include "base/rounding.h"

namespace {

// (pixel + offset) * unit, where both the sum and the product must fit in 32 bits.
std::optional<std::int32_t> Scaled(std::int32_t pixel, std::int32_t offset, std::int32_t unit) {
    const auto shifted = ToInt32(std::int64_t{pixel} + offset);
    if (!shifted) {
        return std::nullopt;
    }
    return ToInt32(std::int64_t{*shifted} * unit);
}

// Prints with the text's left top shifted by (dx, dy) pixels.
bool PrintAt(DrawingSurface& target, std::int32_t x, std::int32_t y, std::int32_t dx,
             std::int32_t dy, std::int32_t px, std::int32_t py, const std::string& text) {
    const auto left = Scaled(x, dx, px);
    const auto top = Scaled(y, dy, py);
    if (!left || !top) {
        return false;
    }
    target.SetCurrentX(static_cast<float>(*left));
    target.SetCurrentY(static_cast<float>(*top));
    target.Print(text);
    return true;
}

bool PrintOutline(DrawingSurface& target, std::int32_t x, std::int32_t y, std::int32_t px,
                  std::int32_t py, const std::string& text, std::int32_t thickness) {
    for (std::int32_t i = -thickness; i <= thickness; ++i) {
        for (std::int32_t j = -thickness; j <= thickness; ++j) {
            if (!PrintAt(target, x, y, i, j, px, py, text)) {
                return false;
            }
        }
    }
    return true;
}

// The box's far corner follows the unrounded text extent, so it is left in real numbers.
bool DrawBox(DrawingSurface& target, std::int32_t x, std::int32_t y, std::int32_t px,
             std::int32_t py, const std::string& text, std::int32_t margin, ColorValue fill,
             std::optional<ColorValue> frame) {
    if (px == 0 || py == 0) {
        return false;
    }
    const double width = static_cast<double>(target.TextWidth(text)) / px;
    const double height = static_cast<double>(target.TextHeight(text)) / py;
    const auto left = ToInt32(std::int64_t{x} - margin + 1);
    const auto top = ToInt32(std::int64_t{y} - margin);
    if (!left || !top) {
        return false;
    }
    const auto x1 = Scaled(*left, 0, px);
    const auto y1 = Scaled(*top, 0, py);
    if (!x1 || !y1) {
        return false;
    }
    const auto x2 = static_cast<float>((x + width + margin - 1) * px);
    const auto y2 = static_cast<float>((y + height + margin - 2) * py);
    target.FillBox(static_cast<float>(*x1), static_cast<float>(*y1), x2, y2, fill);
    if (frame) {
        target.FrameBox(static_cast<float>(*x1), static_cast<float>(*y1), x2, y2, *frame);
    }
    return true;
}

}  // namespace

bool PrintOutlined(DrawingSurface& target, std::int32_t x, std::int32_t y, const std::string& text,
                   std::int16_t outline, ColorValue outlineColor, ColorValue textColor,
                   std::optional<ColorValue> frameColor) {
    const ColorValue savedColor = target.ForeColor();
    const std::int32_t px = RoundToInt32(target.PixelWidth());
    const std::int32_t py = RoundToInt32(target.PixelHeight());
    target.SetForeColor(outlineColor);
    if (outline > 0 && !PrintOutline(target, x, y, px, py, text, outline)) {
        return false;
    }
    if (outline < 0 &&
        !DrawBox(target, x, y, px, py, text, -std::int32_t{outline}, outlineColor, frameColor)) {
        return false;
    }
    target.SetForeColor(textColor);
    if (!PrintAt(target, x, y, 0, 0, px, py, text)) {
        return false;
    }
    target.SetForeColor(savedColor);
    return true;
}
