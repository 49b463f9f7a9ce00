#include "readouts/colour_readout.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "doubles/recording_surface.h"

namespace {

constexpr ColorValue White = Rgb(255, 255, 255);
constexpr ColorValue Black = Rgb(0, 0, 0);
constexpr ColorValue Dark = Rgb(31, 31, 31);

// One box as drawn: its text, its fill, the text's colour and where the text went, in pixels.
struct Cell {
    std::string text;
    ColorValue box;
    ColorValue ink;
    float x = 0, y = 0;
};

OptionTable With(std::initializer_list<std::int16_t> items) {
    OptionTable options;
    for (const std::int16_t item : items) {
        options.SetChecked(item, true);
    }
    return options;
}

// Each box is filled right before its text is printed.
std::vector<Cell> Draw(RecordingSurface& surface, float colour,
                       std::initializer_list<std::int16_t> items) {
    DrawColorValues(surface, With(items), colour, TwipsPerPixel{15, 15});
    const auto boxes = surface.Calls(SurfaceCall::Op::FillBox);
    const auto prints = surface.Calls(SurfaceCall::Op::Print);
    EXPECT_EQ(boxes.size(), prints.size());
    std::vector<Cell> cells;
    for (std::size_t i = 0; i < prints.size() && i < boxes.size(); ++i) {
        cells.push_back({prints[i].text, boxes[i].colour, prints[i].colour, prints[i].x1 / 15,
                         prints[i].y1 / 15});
    }
    return cells;
}

constexpr float Pixel(int red, int green, int blue) {
    return static_cast<float>(Rgb(red, green, blue));
}

const auto HexDecCmyk = {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMYK};

TEST(DrawColorValues, TextsAndTints) {
    struct Case {
        const char* what;
        float colour;
        std::initializer_list<std::int16_t> items;
        std::vector<Cell> cells;  // in drawing order
    };
    const Case cases[] = {
        {"white",
         Pixel(255, 255, 255),
         HexDecCmyk,
         {{"FFFFFF", White, Dark},
          {"255", Rgb(255, 0, 0), White},
          {"255", Rgb(0, 255, 0), White},
          {"255", Rgb(0, 0, 255), White},
          {"  0", White, Rgb(0, 200, 200)},
          {"  0", White, Rgb(200, 0, 200)},
          {"  0", White, Rgb(200, 200, 0)},
          {"  0", White, Black}}},
        {"black",
         Pixel(0, 0, 0),
         HexDecCmyk,
         {{"000000", Black, White},
          {"  0", Black, Rgb(255, 0, 0)},
          {"  0", Black, Rgb(0, 255, 0)},
          {"  0", Black, Rgb(0, 0, 255)},
          {"  0", White, Rgb(0, 200, 200)},
          {"  0", White, Rgb(200, 0, 200)},
          {"  0", White, Rgb(200, 200, 0)},
          {"100", Black, White}}},
        // No pixel: hexadecimal FFFFFF but red for the rest, on a box of a defined colour.
        {"-1",
         -1.0f,
         {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMY},
         {{"FFFFFF", NoPixelBoxColor, White},
          {"255", Rgb(255, 0, 0), White},
          {"  0", Black, Rgb(0, 255, 0)},
          {"  0", Black, Rgb(0, 0, 255)},
          {"  0", White, Rgb(0, 200, 200)},
          {"100", Rgb(255, 0, 255), Black},
          {"100", Rgb(255, 255, 0), Black}}},
        // Average exactly 128: dark text. K = 49.8 reads 50 but is below the threshold.
        {"grey",
         Pixel(128, 128, 128),
         {Item::ShowColorsHex, Item::ShowColorsCMYK},
         {{"808080", Rgb(128, 128, 128), Dark},
          {"  0", White, Rgb(0, 200, 200)},
          {"  0", White, Rgb(200, 0, 200)},
          {"  0", White, Rgb(200, 200, 0)},
          {" 50", Rgb(128, 128, 128), Black}}},
        // M = 49.8: box 255 - 127, text 200 - 99.6.
        {"orange",
         Pixel(255, 128, 0),
         {Item::ShowColorsCMY},
         {{"  0", White, Rgb(0, 200, 200)},
          {" 50", Rgb(255, 128, 255), Rgb(100, 0, 100)},
          {"100", Rgb(255, 255, 0), Black}}},
        // C = 0.49999994: text 0, box 255 - 1.275, text shade 199.0000001.
        {"199/200/200",
         Pixel(199, 200, 200),
         {Item::ShowColorsHex, Item::ShowColorsCMYK},
         {{"C7C8C8", Rgb(199, 200, 200), Dark},
          {"  0", Rgb(254, 255, 255), Rgb(0, 199, 199)},
          {"  0", White, Rgb(200, 0, 200)},
          {"  0", White, Rgb(200, 200, 0)},
          {" 22", Rgb(200, 200, 200), Black}}},
    };
    for (const Case& c : cases) {
        RecordingSurface surface;
        const auto cells = Draw(surface, c.colour, c.items);
        ASSERT_EQ(cells.size(), c.cells.size()) << c.what;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_EQ(cells[i].text, c.cells[i].text) << c.what << " cell " << i;
            EXPECT_EQ(cells[i].box, c.cells[i].box) << c.what << " cell " << i;
            EXPECT_EQ(cells[i].ink, c.cells[i].ink) << c.what << " cell " << i;
        }
    }
}

TEST(DrawColorValues, TextColourThresholds) {
    EXPECT_EQ(HexTextColor(127, 128, 129), Dark);
    EXPECT_EQ(HexTextColor(127, 128, 128), White);
    EXPECT_EQ(KTextColor(49.99f), Black);
    EXPECT_EQ(KTextColor(50.0f), White);
}

TEST(DrawColorValues, ColumnsCountTextWidthsFromTheRightEdge) {
    // 1000 pixels wide, cells 140 pixels wide: x = 1000 - f * 140 - 7 for f = 3.66, 2.33, 1.0,
    // and with K f = 4.99, 3.66, 2.33 for C, M, Y. Bottom line (1920 - 180) / 15 - 6 = 110.
    struct Case {
        std::initializer_list<std::int16_t> items;
        std::vector<std::pair<float, float>> positions;
    };
    const Case cases[] = {
        {{Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMY},
         {{6, 110}, {481, 110}, {667, 110}, {853, 110}, {481, 96}, {667, 96}, {853, 96}}},
        {{Item::ShowColorsCMY, Item::ShowColorsCMYK},
         {{294, 110}, {481, 110}, {667, 110}, {853, 110}}},
    };
    for (const Case& c : cases) {
        RecordingSurface surface;
        surface.width = 15000;
        surface.charWidth = 700;
        std::vector<std::pair<float, float>> positions;
        for (const Cell& cell : Draw(surface, Pixel(10, 20, 30), c.items)) {
            positions.emplace_back(cell.x, cell.y);
        }
        EXPECT_EQ(positions, c.positions);
    }
}

TEST(DrawColorValues, PositionsRoundHalvesToEvenAfterTheWholeExpression) {
    // (width - 225) / 15 - 7 and (height - 180) / 15 - 6, less 14 for the upper line,
    // land on 100.5 and 86.5, then on 101.5 and 87.5.
    const float sizes[][3] = {{1837.5f, 1777.5f, 100}, {1852.5f, 1792.5f, 102}};
    for (const auto& size : sizes) {
        RecordingSurface surface;
        surface.width = size[0];
        surface.height = size[1];
        const auto cells = Draw(surface, 0, {Item::ShowColorsDec, Item::ShowColorsCMY});
        ASSERT_EQ(cells.size(), 6u);
        EXPECT_EQ(cells[2].x, size[2]);
        EXPECT_EQ(cells[2].y, size[2]);
        EXPECT_EQ(cells[5].y, size[2] - 14);
    }
}

TEST(DrawColorValues, SetsTerminalSixAndInheritsBold) {
    for (const bool bold : {true, false}) {
        RecordingSurface surface;
        surface.fontBold = bold;
        Draw(surface, 0, HexDecCmyk);
        for (const SurfaceCall& call : surface.calls) {
            EXPECT_EQ(call.fontName, "Terminal");
            EXPECT_EQ(call.fontSize, 6);
            EXPECT_EQ(call.fontBold, bold);
        }
    }
}

}  // namespace
