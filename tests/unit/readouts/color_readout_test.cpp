#include "readouts/color_readout.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "doubles/recording_surface.h"

namespace {

using Items = std::initializer_list<std::int16_t>;
using Cells = std::vector<std::string>;

// Each text as "text@x,y box/ink" in pixels, the box being the last one filled before the text,
// with colours as RRGGBB, every print in Terminal 6 (bold when asked); 141 pixels a cell.
Cells Draw(ColorValue color, Items items, bool bold = false) {
    RecordingSurface surface;
    surface.size = {1000, 128};
    surface.charWidth = 47;
    surface.fonts = true;
    OptionTable options;
    for (const std::int16_t item : items) {
        options.SetChecked(item, true);
    }
    DrawColorValuesOn(surface, options, color, bold);
    const std::string font = bold ? " Terminal 6.0 bold" : " Terminal 6.0";
    Cells cells;
    std::string box;
    for (std::string entry : surface.log) {
        if (entry.starts_with("fill ")) {
            box = entry.substr(entry.size() - 6);
            continue;
        }
        EXPECT_TRUE(entry.ends_with(font)) << entry;
        entry.resize(entry.size() - font.size());
        const std::size_t ink = entry.size() - 6;
        cells.push_back(entry.substr(0, ink) + box + "/" + entry.substr(ink));
    }
    for (const FontSpec& measured : surface.measuredIn) {
        EXPECT_EQ(measured, (FontSpec{"Terminal", 6, bold}));
    }
    return cells;
}

// 1000 pixels wide, 141 pixels a cell: the columns at 1000 - f * 141 - 7 for f = 4.99, 3.66,
// 2.33 and 1, that is 289.41, 476.94, 664.47 and 852, rounded once; the bottom line at
// 128 - 12 - 6 = 110, the upper one 14 higher.
TEST(DrawColorValues, TextsTintsAndPlaces) {
    const auto check = [](ColorValue color, Items items, const Cells& cells) {
        EXPECT_EQ(Draw(color, items), cells) << color;
    };
    // Red first in hexadecimal; an average of exactly 128 takes dark text.
    check(0xF08010, {Item::ShowColorsHex, Item::ShowColorsDec},
          {"1080F0@6,110 1080f0/1f1f1f", " 16@477,110 100000/ff1010", "128@664,110 008000/80ff80",
           "240@852,110 0000f0/f0f0ff"});
    check(0, {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMYK},
          {"000000@6,110 000000/ffffff", "  0@477,110 000000/ff0000", "  0@664,110 000000/00ff00",
           "  0@852,110 000000/0000ff", "  0@289,96 ffffff/00c8c8", "  0@477,96 ffffff/c800c8",
           "  0@664,96 ffffff/c8c800", "100@852,96 000000/ffffff"});
    // No pixel: hexadecimal FFFFFF but red for the rest, on a box of a defined colour.
    check(-1, {Item::ShowColorsHex, Item::ShowColorsCMY},
          {"FFFFFF@6,110 000000/ffffff", "  0@477,110 ffffff/00c8c8", "100@664,110 ff00ff/000000",
           "100@852,110 ffff00/000000"});
    // K = 49.8 reads 50 but is below the threshold of white text.
    check(0x808080, {Item::ShowColorsHex, Item::ShowColorsCMYK},
          {"808080@6,110 808080/1f1f1f", "  0@289,110 ffffff/00c8c8", "  0@477,110 ffffff/c800c8",
           "  0@664,110 ffffff/c8c800", " 50@852,110 808080/000000"});
    // CMY folds K back in: C = 100 (1 - 200 / 255) = 21.57, box 255 - 55, text 200 - 43.1;
    // M = 49.8: box 255 - 127, text 200 - 99.6.
    check(0x0080C8, {Item::ShowColorsCMY},
          {" 22@477,110 c8ffff/009d9d", " 50@664,110 ff80ff/640064", "100@852,110 ffff00/000000"});
    EXPECT_EQ(Draw(0, {Item::ShowColorsHex}, true).size(), 1u);  // in bold throughout
}

}  // namespace
