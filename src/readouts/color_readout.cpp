#include "readouts/color_readout.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "base/rounding.h"
#include "base/twips.h"
#include "readouts/color_models.h"
#include "readouts/fonts.h"
#include "readouts/outlined_text.h"

namespace {

// Distances at 96 dpi, which grow with the display scale.
constexpr std::int32_t BoxMargin = 2;  // PrintOutlined's box style
constexpr std::int32_t HexLeft = 6;
constexpr std::int32_t BottomMargin = 6;
constexpr std::int32_t RightMargin = 7;
constexpr std::int32_t UpperLineOffset = 14;
constexpr double LeftColumn = 3.66;
constexpr double MiddleColumn = 2.33;
constexpr double RightColumn = 1.0;
constexpr double CmykShift = 1.33;  // C, M and Y move one column left to make room for K

// With no pixel under the pointer (off every monitor) the read-out shows what it always has:
// FFFFFF in hexadecimal on a black box, like the picture beyond the screen's edge, and the
// figures of full red.
constexpr const char* NoPixelHexText = "FFFFFF";
constexpr Color NoPixelHexBox = Rgb(0, 0, 0);
constexpr Color NoPixelFigures = Rgb(255, 0, 0);

// Text on the box filled with the colour itself: white on dark colours, near-black otherwise.
Color HexTextColor(Color color) {
    return (color.red + color.green + color.blue) / 3.0 < 128 ? Rgb(255, 255, 255)
                                                              : Rgb(31, 31, 31);
}

// Text on the grey box of the K figure.
Color KTextColor(float k) {
    return k < 50 ? Rgb(0, 0, 0) : Rgb(255, 255, 255);
}

struct CellStyle {
    Color box;
    Color text;
};

// Where the cells go: the surface and its size, in the read-out's font, with the distances at the
// surface's display scale.
struct Cells {
    DrawingSurface& surface;
    PixelSize size;
    FontSpec font;
    int dpi;

    std::int32_t Scaled(std::int32_t pixels) const { return PixelsAtDpi(pixels, dpi); }
    // Top of a text on the bottom line, lineOffset pixels higher.
    std::int32_t BottomLineTop(const PixelSize& extent, std::int32_t lineOffset) const {
        return size.height - extent.height - Scaled(BottomMargin) - lineOffset;
    }
    // Left edge of a right-hand cell: the column factor counts text widths from the right edge,
    // and the position is rounded once, at the end.
    std::int32_t ColumnLeft(const PixelSize& extent, double columnFactor) const {
        return RoundToInt32(size.width - columnFactor * extent.width - Scaled(RightMargin));
    }
    void Draw(std::int32_t x, std::int32_t y, const std::string& text, CellStyle style) const {
        // A cell that cannot be drawn is missing for this tick; the others still are.
        (void)PrintOutlined(surface, x, y, text, font,
                            static_cast<std::int16_t>(-Scaled(BoxMargin)), style.box, style.text);
    }
    // Returns the text's height.
    std::int32_t DrawRight(const std::string& text, double columnFactor, std::int32_t lineOffset,
                           CellStyle style) const {
        const PixelSize extent = surface.MeasureText(text, font);
        Draw(ColumnLeft(extent, columnFactor), BottomLineTop(extent, lineOffset), text, style);
        return extent.height;
    }
};

std::string RightAligned(std::int32_t value) {
    const std::string padded = "   " + std::to_string(value);
    return padded.substr(padded.size() - 3);
}

// Red, green and blue as two upper-case hexadecimal digits each.
std::string HexText(Color color) {
    constexpr char Digits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t channel : {color.red, color.green, color.blue}) {
        text += Digits[channel >> 4];
        text += Digits[channel & 0xF];
    }
    return text;
}

// The channels that tint an ink's cell: the box from 255 (no ink) down to 0 (full ink), the
// text from 200 down to 0.
std::int32_t InkBoxLevel(float percent) {
    return 255 - RoundToInt32(255.0f * percent / 100.0f);
}

std::int32_t InkTextShade(float percent) {
    return RoundToInt32(200.0f - 2.0f * percent);
}

void DrawHex(const Cells& cells, const std::optional<Color>& color) {
    const std::string text = color ? HexText(*color) : NoPixelHexText;
    const CellStyle style{color.value_or(NoPixelHexBox),
                          HexTextColor(color.value_or(NoPixelFigures))};
    cells.Draw(cells.Scaled(HexLeft),
               cells.BottomLineTop(cells.surface.MeasureText(text, cells.font), 0), text, style);
}

// Returns how far above the bottom line the ink cells go: the scaled line offset, or more where
// the font outgrows the scale, so that the two rows' boxes never share a pixel row. A box reaches
// the margin above its text and two pixels less below it.
std::int32_t DrawDecimal(const Cells& cells, int red, int green, int blue) {
    std::int32_t height =
        cells.DrawRight(RightAligned(red), LeftColumn, 0, {Rgb(red, 0, 0), Rgb(255, red, red)});
    height = std::max(height, cells.DrawRight(RightAligned(green), MiddleColumn, 0,
                                              {Rgb(0, green, 0), Rgb(green, 255, green)}));
    height = std::max(height, cells.DrawRight(RightAligned(blue), RightColumn, 0,
                                              {Rgb(0, 0, blue), Rgb(blue, blue, 255)}));
    return std::max(cells.Scaled(UpperLineOffset), height + 2 * cells.Scaled(BoxMargin) - 1);
}

void DrawInks(const Cells& cells, int red, int green, int blue, bool withBlack,
              std::int32_t lineOffset) {
    const CMYKColor cmyk =
        RGBtoCMYK(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                  static_cast<std::uint8_t>(blue));
    float c = cmyk.C;
    float m = cmyk.M;
    float y = cmyk.Y;
    double shift = CmykShift;
    if (!withBlack) {
        const CMYColor cmy = CMYKtoCMY(cmyk.C, cmyk.M, cmyk.Y, cmyk.K);
        c = cmy.C;
        m = cmy.M;
        y = cmy.Y;
        shift = 0;
    }
    const auto text = [](float percent) { return RightAligned(RoundToInt32(percent)); };

    const std::int32_t cyanBox = InkBoxLevel(c);
    const std::int32_t cyanText = InkTextShade(c);
    cells.DrawRight(text(c), LeftColumn + shift, lineOffset,
                    {Rgb(cyanBox, 255, 255), Rgb(0, cyanText, cyanText)});
    const std::int32_t magentaBox = InkBoxLevel(m);
    const std::int32_t magentaText = InkTextShade(m);
    cells.DrawRight(text(m), MiddleColumn + shift, lineOffset,
                    {Rgb(255, magentaBox, 255), Rgb(magentaText, 0, magentaText)});
    const std::int32_t yellowBox = InkBoxLevel(y);
    const std::int32_t yellowText = InkTextShade(y);
    cells.DrawRight(text(y), RightColumn + shift, lineOffset,
                    {Rgb(255, 255, yellowBox), Rgb(yellowText, yellowText, 0)});
    if (withBlack) {
        const std::int32_t grey = InkBoxLevel(cmyk.K);
        cells.DrawRight(text(cmyk.K), RightColumn, lineOffset,
                        {Rgb(grey, grey, grey), KTextColor(cmyk.K)});
    }
}

}  // namespace

void DrawColorValuesOn(DrawingSurface& surface, const OptionTable& options,
                       const std::optional<Color>& color, bool bold) {
    const Cells cells{surface, surface.Size(), ColorFiguresFont(bold), surface.Dpi()};
    const Color figures = color.value_or(NoPixelFigures);
    const int red = figures.red;
    const int green = figures.green;
    const int blue = figures.blue;

    if (options.IsOptionChecked(Item::ShowColorsHex)) {
        DrawHex(cells, color);
    }
    std::int32_t lineOffset = 0;
    if (options.IsOptionChecked(Item::ShowColorsDec)) {
        lineOffset = DrawDecimal(cells, red, green, blue);
    }
    const bool withBlack = options.IsOptionChecked(Item::ShowColorsCMYK);
    if (withBlack || options.IsOptionChecked(Item::ShowColorsCMY)) {
        DrawInks(cells, red, green, blue, withBlack, lineOffset);
    }
}
