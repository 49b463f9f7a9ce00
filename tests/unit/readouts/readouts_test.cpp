#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <set>

#include "doubles/fake_form_window.h"
#include "readouts/center_cross.h"
#include "readouts/color_models.h"
#include "readouts/color_readout.h"
#include "readouts/coordinate_readout.h"
#include "readouts/outlined_text.h"

namespace {

constexpr Color Outline = Rgb(95, 95, 95), Text = Rgb(239, 239, 239);
constexpr FontSpec Font{"Tahoma", 7, false};
using Log = std::vector<std::string>;

// "ab" at pixel (6, 100), 10 x 12 pixels: what is drawn before the text, then the text on top.
TEST(PrintOutlined, WorkedExamples) {
    // clang-format off
    const struct { std::int16_t outline; Log before; } cases[] = {  // the outline, in any order
        {1, {"ab@5,99 5f5f5f", "ab@5,100 5f5f5f", "ab@5,101 5f5f5f", "ab@6,99 5f5f5f",
             "ab@6,100 5f5f5f", "ab@6,101 5f5f5f", "ab@7,99 5f5f5f", "ab@7,100 5f5f5f",
             "ab@7,101 5f5f5f"}},
        {0, {}},
        {-2, {"fill 5,98 17,112 5f5f5f"}},  // x - 1 to x + w + 1, y - 2 to y + h, corners included
        {-1, {"fill 6,99 16,111 5f5f5f"}}};  // as wide as the text, a pixel up and one short below
    // clang-format on
    for (const auto& c : cases) {
        RecordingSurface surface;
        EXPECT_TRUE(PrintOutlined(surface, 6, 100, "ab", Font, c.outline, Outline, Text));
        ASSERT_FALSE(surface.log.empty());
        EXPECT_EQ(surface.log.back(), "ab@6,100 efefef") << c.outline;
        const std::multiset<std::string> before(surface.log.begin(), surface.log.end() - 1);
        EXPECT_EQ(before, std::multiset<std::string>(c.before.begin(), c.before.end()))
            << c.outline;
    }
    RecordingSurface outlined, boxed;
    // A position beyond 32 bits abandons the rest of the call.
    EXPECT_FALSE(PrintOutlined(outlined, INT32_MAX, 0, "ab", Font, 1, Outline, Text));
    EXPECT_EQ(outlined.log.size(), 6u);  // the columns at -1 and 0
    EXPECT_FALSE(PrintOutlined(boxed, INT32_MIN, 0, "ab", Font, -2, Outline, Text));
    EXPECT_EQ(boxed.log, Log{});
}

// Two pixels wide at half the view, halves to even: on an odd size just before or just after the
// middle pixel.
TEST(DrawCenterCross, TwoPixelBandsAtHalfTheView) {
    const std::pair<PixelSize, const char*> cases[] = {
        {{128, 128}, "cross 64,64 2"}, {{101, 33}, "cross 50,16 2"}, {{103, 35}, "cross 52,18 2"}};
    for (const auto& [size, drawn] : cases) {
        RecordingSurface surface(size);
        DrawCenterCrossOn(surface);
        EXPECT_EQ(surface.log, Log{drawn});
    }
}

// Each line as "text@x,y" in pixels: the prints in the text colour, each of which has nine in the
// outline colour, all in Tahoma 7, not bold, 10 pixels high as at 96 dpi.
Log DrawLines(std::int32_t width, std::int32_t dx, std::int32_t dy, float angle = 287.456f,
              int dpi = 96) {
    RecordingSurface surface({width, 128}, dpi, 5, 10);
    const ViewState view{
        .measured = {1024, -3}, .distanceX = dx, .distanceY = dy, .bearing = angle};
    DrawCoordinatesOn(surface, view, ",");
    EXPECT_EQ(surface.fonts, std::vector(surface.fonts.size(), FontSpec{"Tahoma", 7, false}));
    Log lines;
    std::size_t outlines = 0;
    for (const std::string& entry : surface.log) {
        if (entry.ends_with(" efefef")) {
            lines.push_back(entry.substr(0, entry.size() - 7));
        }
        outlines += entry.ends_with(" 5f5f5f") ? 1 : 0;
    }
    EXPECT_EQ(outlines, 9 * lines.size());
    return lines;
}

// 5 pixels a byte: the right-hand lines start at width - 5 * bytes - 4; at 192 dpi all doubles.
TEST(DrawCoordinates, ThePointAtTheTopLeftAndAMeasurementAtTheTopRight) {
    const std::string point = "X 1024   Y -3@5,3", angle = "A 287,46\xC2\xB0@";
    EXPECT_EQ(DrawLines(128, NoMeasure, NoMeasure), Log{point});
    EXPECT_EQ(DrawLines(128, NoMeasure, 0), Log{point});
    EXPECT_EQ(DrawLines(128, 0, NoMeasure), Log{point});
    EXPECT_EQ(DrawLines(128, -65535, -65535),
              (Log{point, "W -65535   H -65535@29,3", angle + "74,16"}));
    EXPECT_EQ(DrawLines(256, -12, 4, 287.456f, 192),
              (Log{"X 1024   Y -3@10,6", "W -12   H 4@193,6", angle + "198,32"}));
}

// The float's exact value rounded, halves to even: 359.995f is 359.99499..., 2.675f 2.67499...
TEST(DrawCoordinates, TheAngleHasTwoDecimals) {
    const std::pair<float, const char*> cases[] = {
        {359.996f, "360,00"}, {359.995f, "359,99"}, {0.0f, "0,00"},   {0.125f, "0,12"},
        {0.375f, "0,38"},     {2.675f, "2,67"},     {-1.5f, "-1,50"}, {-0.001f, "0,00"}};
    for (const auto& [angle, text] : cases) {
        const std::string line = DrawLines(128, 1, 1, angle).at(2);
        EXPECT_EQ(line.substr(0, line.find('@')), "A " + std::string(text) + "\xC2\xB0");
    }
}

using Items = std::initializer_list<std::int16_t>;

OptionTable Checked(Items items) {
    OptionTable options;
    for (const std::int16_t item : items) {
        options.SetChecked(item, true);
    }
    return options;
}

// Each text as "text@x,y box/ink" in pixels, the box being the last one filled before the text,
// with colours as RRGGBB, every print in Terminal 6 (bold when asked); 141 x 9 pixels a cell.
Log DrawCells(std::optional<Color> color, Items items, bool bold = false) {
    RecordingSurface surface({1000, 125}, 96, 47, 9);
    DrawColorValuesOn(surface, Checked(items), color, bold);
    EXPECT_EQ(surface.fonts, std::vector(surface.fonts.size(), FontSpec{"Terminal", 6, bold}));
    Log cells;
    std::string box;
    for (const std::string& entry : surface.log) {
        const std::string colour = entry.substr(entry.size() - 6);
        if (entry.starts_with("fill ")) {
            box = colour;
        } else {
            cells.push_back(entry.substr(0, entry.size() - 6) + box + "/" + colour);
        }
    }
    return cells;
}

// 1000 pixels wide, 141 pixels a cell: the columns at 1000 - f * 141 - 7 for f = 4.99, 3.66,
// 2.33 and 1, that is 289.41, 476.94, 664.47 and 852, rounded once; the bottom line at
// 125 - 9 - 6 = 110, the upper one 14 higher.
TEST(DrawColorValues, TextsTintsAndPlaces) {
    const auto check = [](std::optional<Color> color, Items items, const Log& cells) {
        EXPECT_EQ(DrawCells(color, items), cells) << (color ? PixelOf(*color) : -1);
    };
    // Red first in hexadecimal; an average of exactly 128 takes dark text.
    check(Rgb(0x10, 0x80, 0xF0), {Item::ShowColorsHex, Item::ShowColorsDec},
          {"1080F0@6,110 1080f0/1f1f1f", " 16@477,110 100000/ff1010", "128@664,110 008000/80ff80",
           "240@852,110 0000f0/f0f0ff"});
    check(Rgb(0, 0, 0), {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMYK},
          {"000000@6,110 000000/ffffff", "  0@477,110 000000/ff0000", "  0@664,110 000000/00ff00",
           "  0@852,110 000000/0000ff", "  0@289,96 ffffff/00c8c8", "  0@477,96 ffffff/c800c8",
           "  0@664,96 ffffff/c8c800", "100@852,96 000000/ffffff"});
    // No pixel: hexadecimal FFFFFF but red for the rest, on a box of a defined colour.
    check(std::nullopt, {Item::ShowColorsHex, Item::ShowColorsCMY},
          {"FFFFFF@6,110 000000/ffffff", "  0@477,110 ffffff/00c8c8", "100@664,110 ff00ff/000000",
           "100@852,110 ffff00/000000"});
    // K = 49.8 reads 50 but is below the threshold of white text.
    check(Rgb(128, 128, 128), {Item::ShowColorsHex, Item::ShowColorsCMYK},
          {"808080@6,110 808080/1f1f1f", "  0@289,110 ffffff/00c8c8", "  0@477,110 ffffff/c800c8",
           "  0@664,110 ffffff/c8c800", " 50@852,110 808080/000000"});
    // CMY folds K back in: C = 100 (1 - 200 / 255) = 21.57, box 255 - 55, text 200 - 43.1;
    // M = 49.8: box 255 - 127, text 200 - 99.6.
    check(Rgb(200, 128, 0), {Item::ShowColorsCMY},
          {" 22@477,110 c8ffff/009d9d", " 50@664,110 ff80ff/640064", "100@852,110 ffff00/000000"});
    EXPECT_EQ(DrawCells(Rgb(0, 0, 0), {Item::ShowColorsHex}, true).size(),
              1u);  // in bold throughout
}

// The fonts' heights at each display scale, as the program's own font code measured them under
// Wine with LogPixels set: Tahoma 7, and the fixed-pitch face that stands in for Terminal 6, bold
// or not alike. Widths place nothing between rows. The last case has faces taller than the scale.
TEST(Readouts, NoRowOverlapsAnotherAtAnyDisplayScale) {
    const int cases[][3] = {{96, 10, 9},   {120, 14, 11}, {144, 16, 14},
                            {168, 18, 16}, {192, 22, 18}, {96, 13, 12}};
    for (const auto& [dpi, tahoma, terminal] : cases) {
        RecordingSurface surface({1000 * dpi / 96, 128 * dpi / 96}, dpi, 5, tahoma);
        DrawCoordinatesOn(
            surface, {.measured = {1, 2}, .distanceX = 40, .distanceY = 32, .bearing = 128.66f},
            ".");
        surface.lineHeight = terminal;
        DrawColorValuesOn(surface,
                          Checked({Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMYK}),
                          Rgb(51, 153, 204), false);
        // The first and last pixel row of each box, and of each coordinate line with its outline.
        std::set<std::pair<int, int>> rows;
        for (const std::string& entry : surface.log) {
            int top = 0, bottom = 0;
            if (std::sscanf(entry.c_str(), "fill %*d,%d %*d,%d", &top, &bottom) == 2) {
                rows.insert({top, bottom});
            } else if (entry.ends_with(" efefef")) {
                top = std::stoi(entry.substr(entry.find(',', entry.rfind('@')) + 1));
                rows.insert({top - 1, top + tahoma});
            }
        }
        ASSERT_EQ(rows.size(), 4u) << dpi;  // two of coordinates, two of cells
        for (auto row = rows.begin(); std::next(row) != rows.end(); ++row) {
            EXPECT_LT(row->second, std::next(row)->first) << dpi << " dpi, row at " << row->first;
        }
    }
}

// c = float(56/255), k = float(55/255): c - k, 1 - k, their quotient and its product with 100,
// each stored as a float, give 0.5 - 2^-24, which reads as 0; carried in double it would be 0.5.
TEST(ColorModels, StoresEveryStepInSinglePrecision) {
    EXPECT_EQ(RGBtoCMYK(199, 200, 200).C, 0.5f - 0x1p-24f);
}

}  // namespace
