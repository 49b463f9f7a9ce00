#include "readouts/color_readout.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "doubles/recording_surface.h"

namespace {

using Items = std::initializer_list<std::int16_t>;
using Cells = std::vector<std::string>;

// Once the font is Terminal 6, each text as "text@x,y box/ink" in pixels, the box being the last
// one filled before the text, with colours as RRGGBB; 140 pixels a cell.
Cells Draw(float color, Items items, float width = 15007.5f, float height = 1927.5f) {
    RecordingSurface surface;
    surface.width = width;
    surface.height = height;
    surface.charWidth = 700;
    surface.unit = 15;
    OptionTable options;
    for (const std::int16_t item : items) {
        options.SetChecked(item, true);
    }
    DrawColorValuesOn(surface, options, color, TwipsPerPixel{15, 15});
    EXPECT_EQ(surface.log.at(0) + ", " + surface.log.at(1), "Terminal, size 6");
    Cells cells;
    std::string box;
    for (const std::string& entry : surface.log) {
        if (entry.starts_with("fill ")) {
            box = entry.substr(entry.size() - 6);
        } else if (entry.find('@') != std::string::npos) {
            const std::size_t ink = entry.size() - 6;
            cells.push_back(entry.substr(0, ink) + box + "/" + entry.substr(ink));
        }
    }
    return cells;
}

// 1000.5 pixels wide, 140 pixels a cell: the columns at 1000.5 - f * 140 - 7 for f = 4.99, 3.66,
// 2.33 and 1, that is 294.9, 481.1, 667.3 and 853.5, rounded to 295, 481, 667 and 854; the
// bottom line at (1927.5 - 180) / 15 - 6 = 110.5, rounded to 110, the upper one 14 higher.
TEST(DrawColorValues, TextsTintsAndPlaces) {
    const auto check = [](float color, Items items, const Cells& cells) {
        EXPECT_EQ(Draw(color, items), cells) << color;
    };
    // Red first in hexadecimal; an average of exactly 128 takes dark text.
    check(0xF08010, {Item::ShowColorsHex, Item::ShowColorsDec},
          {"1080F0@6,110 1080f0/1f1f1f", " 16@481,110 100000/ff1010", "128@667,110 008000/80ff80",
           "240@854,110 0000f0/f0f0ff"});
    check(0, {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMYK},
          {"000000@6,110 000000/ffffff", "  0@481,110 000000/ff0000", "  0@667,110 000000/00ff00",
           "  0@854,110 000000/0000ff", "  0@295,96 ffffff/00c8c8", "  0@481,96 ffffff/c800c8",
           "  0@667,96 ffffff/c8c800", "100@854,96 000000/ffffff"});
    // No pixel: hexadecimal FFFFFF but red for the rest, on a box of a defined colour.
    check(-1, {Item::ShowColorsHex, Item::ShowColorsCMY},
          {"FFFFFF@6,110 000000/ffffff", "  0@481,110 ffffff/00c8c8", "100@667,110 ff00ff/000000",
           "100@854,110 ffff00/000000"});
    // K = 49.8 reads 50 but is below the threshold of white text.
    check(0x808080, {Item::ShowColorsHex, Item::ShowColorsCMYK},
          {"808080@6,110 808080/1f1f1f", "  0@295,110 ffffff/00c8c8", "  0@481,110 ffffff/c800c8",
           "  0@667,110 ffffff/c8c800", " 50@854,110 808080/000000"});
    // CMY folds K back in: C = 100 (1 - 200 / 255) = 21.57, box 255 - 55, text 200 - 43.1;
    // M = 49.8: box 255 - 127, text 200 - 99.6.
    check(0x0080C8, {Item::ShowColorsCMY},
          {" 22@481,110 c8ffff/009d9d", " 50@667,110 ff80ff/640064", "100@854,110 ffff00/000000"});
}

}  // namespace
