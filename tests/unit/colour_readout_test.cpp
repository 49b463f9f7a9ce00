#include "readouts/colour_readout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>

#include "doubles/recording_surface.h"

namespace {

using Items = std::initializer_list<std::int16_t>;
using Cells = std::vector<std::string>;

// Each box as drawn, "text box/ink x,y": colours as RRGGBB, the text's position in pixels.
Cells Draw(RecordingSurface& surface, float colour, Items items) {
    OptionTable options;
    for (const std::int16_t item : items) {
        options.SetChecked(item, true);
    }
    DrawColorValues(surface, options, colour, TwipsPerPixel{15, 15});
    const auto rgb = [](ColorValue c) {  // red first
        char digits[8];
        std::snprintf(digits, sizeof digits, "%06x",
                      static_cast<unsigned>(Rgb(c >> 16, c >> 8, c)));
        return std::string(digits);
    };
    Cells cells;
    std::string box = "none";  // each text right after its box
    for (const SurfaceCall& call : surface.calls) {
        if (call.op == SurfaceCall::Op::FillBox) {
            box = rgb(call.colour);
        } else {
            cells.push_back(call.text + " " + box + "/" + rgb(call.colour) + " " +
                            std::to_string(int(call.x1 / 15)) + "," +
                            std::to_string(int(call.y1 / 15)));
        }
    }
    return cells;
}

// 1000 pixels wide, 140 pixels a cell: the columns at 1000 - f * 140 - 7 for f = 4.99, 3.66, 2.33
// and 1, that is 294, 481, 667 and 853; the bottom line at (1920 - 180) / 15 - 6 = 110, the upper
// one 14 higher. The font is Terminal 6 and keeps its bold setting.
TEST(DrawColorValues, TextsTintsAndPlaces) {
    bool bold = false;
    const auto check = [&bold](float colour, Items items, const Cells& cells) {
        RecordingSurface surface;
        surface.width = 15000;
        surface.charWidth = 700;
        surface.fontBold = bold = !bold;
        EXPECT_EQ(Draw(surface, colour, items), cells) << colour;
        EXPECT_EQ(surface.log.at(0) + ", " + surface.log.at(1), "Terminal, size 6");
        EXPECT_EQ(surface.fontBold, bold);
    };
    check(0xFFFFFF, {Item::ShowColorsHex, Item::ShowColorsDec},
          {"FFFFFF ffffff/1f1f1f 6,110", "255 ff0000/ffffff 481,110", "255 00ff00/ffffff 667,110",
           "255 0000ff/ffffff 853,110"});
    check(0, {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMYK},
          {"000000 000000/ffffff 6,110", "  0 000000/ff0000 481,110", "  0 000000/00ff00 667,110",
           "  0 000000/0000ff 853,110", "  0 ffffff/00c8c8 294,96", "  0 ffffff/c800c8 481,96",
           "  0 ffffff/c8c800 667,96", "100 000000/ffffff 853,96"});
    // No pixel: hexadecimal FFFFFF but red for the rest, on a box of a defined colour.
    check(-1, {Item::ShowColorsHex, Item::ShowColorsCMY},
          {"FFFFFF 000000/ffffff 6,110", "  0 ffffff/00c8c8 481,110", "100 ff00ff/000000 667,110",
           "100 ffff00/000000 853,110"});
    // Average exactly 128: dark text. K = 49.8 reads 50 but is below the threshold.
    check(0x808080, {Item::ShowColorsHex, Item::ShowColorsCMYK},
          {"808080 808080/1f1f1f 6,110", "  0 ffffff/00c8c8 294,110", "  0 ffffff/c800c8 481,110",
           "  0 ffffff/c8c800 667,110", " 50 808080/000000 853,110"});
    // C = 0.49999994 in single precision reads 0; box 255 - 1.275, text 200 - 0.99999988.
    check(0xC8C8C7, {Item::ShowColorsHex, Item::ShowColorsCMYK},
          {"C7C8C8 c7c8c8/1f1f1f 6,110", "  0 feffff/00c7c7 294,110", "  0 ffffff/c800c8 481,110",
           "  0 ffffff/c8c800 667,110", " 22 c8c8c8/000000 853,110"});
    // M = 49.8: box 255 - 127, text 200 - 99.6.
    check(0x0080FF, {Item::ShowColorsCMY},
          {"  0 ffffff/00c8c8 481,110", " 50 ff80ff/640064 667,110", "100 ffff00/000000 853,110"});
}

// (width - 225) / 15 - 7 and (height - 180) / 15 - 6 land on 100.5 and 101.5; less 14 for the
// upper line on 86.5 and 87.5.
TEST(DrawColorValues, PositionsRoundHalvesToEvenAfterTheWholeExpression) {
    const auto check = [](float width, float height, const Cells& cells) {
        RecordingSurface surface;
        surface.width = width;
        surface.height = height;
        const Cells all = Draw(surface, 0, {Item::ShowColorsDec, Item::ShowColorsCMY});
        EXPECT_EQ((Cells{all.at(2), all.at(5)}), cells);
    };
    check(1837.5f, 1777.5f, {"  0 000000/0000ff 100,100", "100 ffff00/000000 100,86"});
    check(1852.5f, 1792.5f, {"  0 000000/0000ff 102,102", "100 ffff00/000000 102,88"});
}

}  // namespace
