#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

#include "base/rounding.h"
#include "raster/area_average.h"
#include "raster/block_scale.h"
#include "raster/caret_scaling.h"
#include "raster/cursor_blend.h"
#include "raster/monitor_layout.h"
#include "raster/pixel_fill.h"
#include "raster/placement.h"
#include "raster/text_runs.h"

namespace {

TEST(Placement, TheOnScreenPartAndWhereItLands) {
    const PixelRect screen{0, 0, 1024, 768};
    // A second monitor left of the primary one: the virtual screen starts below 0.
    EXPECT_EQ(Intersect({-1300, 900, 100, 200}, {-1280, 0, 2304, 1024}),
              (PixelRect{-1280, 900, 80, 124}));
    // The right edge lies beyond the 32-bit range.
    EXPECT_EQ(Intersect({2147483000, 0, 2147483647, 10}, {0, 0, 2147483647, 10}),
              (PixelRect{2147483000, 0, 647, 10}));
    EXPECT_FALSE(Intersect({1024, 0, 10, 10}, screen));  // only touching
    // 3000 x 2000 at 10% with the screen at (1000, 600): right 202.4, bottom 136.8; edges at
    // 0.5 and 1.5 go to 0 and 2, at 1.5 and 2.5 to 2 and 2.
    EXPECT_EQ(ScalePlacement({1000, 600, 1024, 768}, 3000, 2000, 300, 200),
              (PixelRect{100, 60, 102, 77}));
    EXPECT_EQ(ScalePlacement({1, 3, 2, 2}, 4, 10, 2, 5), (PixelRect{0, 2, 2, 0}));
    // Brought inside a work area at its size; one larger than the area keeps its top-left on it.
    EXPECT_EQ(InsideArea({5000, -3000, 128, 64}, {0, 0, 1024, 738}), (PixelRect{896, 0, 128, 64}));
    EXPECT_EQ(InsideArea({-5000, 10, 2000, 64}, {-1280, 0, 1280, 1024}),
              (PixelRect{-1280, 10, 2000, 64}));
    // A part to grab needs 32 x 32 pixels on one work area: 28 x 23 at the bottom-left corner is
    // too little, 128 x 58 at the bottom is enough, and so is exactly 32 x 32.
    const std::vector<PixelRect> areas{{0, 0, 1024, 768}, {-640, 0, 640, 480}};
    EXPECT_FALSE(ShowsGrabbablePart({-100, 745, 128, 64}, areas, 32));
    EXPECT_TRUE(ShowsGrabbablePart({7, 710, 128, 64}, areas, 32));
    EXPECT_TRUE(ShowsGrabbablePart({-32, 448, 128, 64}, areas, 32));
    EXPECT_FALSE(ShowsGrabbablePart({-20, 460, 40, 64}, areas, 32));  // 20 x 20 on each
}

// A caret of an unaware window, in its own logical units, in physical pixels; unchanged where the
// two DPIs agree or one is unknown.
TEST(Placement, CaretsOfUnawareWindows) {
    // clang-format off
    const struct { int windowDpi, monitorDpi; std::vector<std::int32_t> expected; } cases[] = {
        {96, 96, {10, 21, 15}}, {192, 192, {10, 21, 15}}, {96, 192, {20, 42, 30}}, {96, 144, {15, 32, 22}},
        {144, 192, {13, 28, 20}}, {0, 192, {10, 21, 15}}, {96, 0, {10, 21, 15}}};
    // clang-format on
    for (const auto& c : cases) {
        const CaretInfo scaled = CaretInPhysicalPixels({10, 21, 15}, c.windowDpi, c.monitorDpi);
        EXPECT_EQ((std::vector<std::int32_t>{scaled.x, scaled.top, scaled.height}), c.expected)
            << c.windowDpi << " on " << c.monitorDpi;
    }
}

constexpr std::uint32_t G(std::uint32_t level) {
    return level * 0x010101;
}
constexpr std::uint32_t B = 0, W = G(255), U = 7;  // U: left unwritten

// Source, scaled and written sizes, the target's row distance; `offScreen` area pixels left of the
// source lie off the screen.
TEST(AverageScale, EveryPixelIsTheExactMeanOfTheAreaItCovers) {
    std::vector<std::uint32_t> halves(200, G(255));  // 20 x 20, its lower half at level 2
    halves.resize(400, G(2));
    // clang-format off
    const struct { const char* name; std::vector<std::uint32_t> source; int sw, sh, tw, th, ow, oh, stride;
                   std::vector<std::uint32_t> expected; int offScreen = 0; } cases[] = {
        // 127.5 rounds up to the even 128, 2.5 down to the even 2.
        {"checkerboard", {B, W, W, B}, 2, 2, 1, 1, 1, 1, 1, {G(128)}},
        {"half to even", {G(2), G(3)}, 2, 1, 1, 1, 1, 1, 1, {G(2)}},
        // Blue-green-red from the lowest byte: pure red, pure blue, green at two levels.
        {"channels", {0xFF0000, 0x0000FF, 0x00C800, 0x006400}, 4, 1, 1, 1, 1, 1, 1, {0x404B40}},
        // One and a half pixels each: (0 + 45) / 1.5 = 30 and (45 + 180) / 1.5 = 150.
        {"across", {G(0), G(90), G(180)}, 3, 1, 2, 1, 2, 1, 2, {G(30), G(150)}},
        {"down", {G(0), G(90), G(180)}, 1, 3, 1, 2, 1, 2, 1, {G(30), G(150)}},
        // An area too large for a table of means: 128.5 rounds down to the even 128.
        {"large area", halves, 20, 20, 1, 1, 1, 1, 1, {G(128)}},
        // Of a 3 x 3 result only the top-left 2 x 2 is written; its second row is half of each.
        {"clipped", {G(0), G(90), G(180), G(90), G(180), G(0)}, 3, 2, 3, 3, 2, 2, 3, {G(0), G(90), U, G(45), G(135)}},
        // Halved, the pixel off the screen counts as black: (0 + 90) / 2 and (180 + 30) / 2.
        {"screen's edge", {G(90), G(180), G(30)}, 3, 1, 2, 1, 2, 1, 2, {G(45), G(105)}, 1}};
    // clang-format on
    for (const auto& c : cases) {
        std::vector<std::uint32_t> target(c.expected.size(), U);
        const PixelRect on{c.offScreen, 0, c.sw, c.sh};
        const Picture area{c.sw + c.offScreen, c.sh, on, {c.source.data(), c.sw, c.sh, c.sw}};
        AverageScale(area, c.tw, c.th, {target.data(), c.ow, c.oh, c.stride});
        EXPECT_EQ(target, c.expected) << c.name;
    }
}

// The menu's zooms and two stored ones, areas of odd and even sides partly off the screen at each
// side, targets of the result's size or a pixel smaller: each on-screen pixel a block where the
// view geometry puts it, the rest black.
TEST(BlockScale, BlocksLieWhereTheViewGeometryPutsThem) {
    // clang-format off
    const struct { PixelSize area; PixelRect onScreen; int clip; } cases[] = {
        {{4, 2}, {0, 0, 4, 2}, 0},  // edges at halves at 150%
        {{7, 5}, {2, 0, 5, 5}, 1}, {{7, 5}, {0, 0, 4, 5}, 0}, {{7, 5}, {0, 3, 7, 2}, 0},
        {{7, 5}, {0, 0, 7, 1}, 1}, {{3, 3}, {}, 0}};  // the last wholly off the screen
    // clang-format on
    std::vector<std::uint32_t> source(40);  // 8 a row
    std::iota(source.begin(), source.end(), 0x100u);
    for (const float zoom : {100.0f, 200.0f, 400.0f, 800.0f, 1600.0f, 150.0f, 1999.0f}) {
        for (const auto& c : cases) {
            const Picture area{c.area.width, c.area.height, c.onScreen,
                               ConstPixelBlock{c.onScreen.width > 0 ? source.data() : nullptr,
                                               c.onScreen.width, c.onScreen.height, 8}};
            // The picture's sides as the view scales them.
            const int width = RoundToInt32(static_cast<double>(zoom) * c.area.width / 100);
            const int height = RoundToInt32(static_cast<double>(zoom) * c.area.height / 100);
            const int stride = width + 1, columns = width - c.clip, rows = height - c.clip;
            std::vector<std::uint32_t> expected(static_cast<std::size_t>(stride * height), U);
            for (int y = 0; y < rows; ++y) {
                std::fill_n(expected.begin() + y * stride, columns, B);
            }
            for (int y = 0; y < c.onScreen.height; ++y) {
                for (int x = 0; x < c.onScreen.width; ++x) {
                    const PixelRect at =
                        ScalePlacement({c.onScreen.left + x, c.onScreen.top + y, 1, 1},
                                       c.area.width, c.area.height, width, height);
                    for (int row = at.top; row < std::min(at.top + at.height, rows); ++row) {
                        std::fill_n(expected.begin() + row * stride + at.left,
                                    std::max(0, std::min(at.width, columns - at.left)),
                                    source[y * 8 + x]);
                    }
                }
            }
            std::vector<std::uint32_t> target(expected.size(), U);
            BlockScale(area, width, height, {target.data(), columns, rows, stride});
            EXPECT_EQ(target, expected) << zoom << "% of " << c.area.width << " x " << c.area.height
                                        << " from " << c.onScreen.left << ", " << c.onScreen.top;
        }
    }
}

// Draws into a black 5 x 4 block in rows of 6 pixels; shows each row as "." for black and "#" for
// white, with "!" where the pixel beyond the block changed.
std::string Drawn(const std::function<void(const PixelBlock&)>& draw) {
    constexpr std::uint32_t Beyond = 0xABCDEF;
    std::vector<std::uint32_t> pixels(24, B);
    for (std::size_t at = 5; at < pixels.size(); at += 6) {
        pixels[at] = Beyond;
    }
    draw({pixels.data(), 5, 4, 6});
    std::string drawn;
    for (std::size_t at = 0; at < pixels.size(); ++at) {
        const std::uint32_t p = pixels[at];
        drawn += at % 6 == 5 ? (p == Beyond ? " " : "! ") : p == B ? "." : p == W ? "#" : "?";
    }
    drawn.pop_back();
    return drawn;
}

// A 7 x 4 screen from x = -2 whose primary monitor is 5 x 4 at (0, 0).
constexpr PixelRect Primary{0, 0, 5, 4};

// Blackens what lies on no monitor of that screen in a white block that holds x -3 to 1 and y 1 to
// 4 of it, after each reading of the monitors in turn.
void BlackenAfter(const PixelBlock& block, const std::vector<std::vector<PixelRect>>& readings) {
    MonitorLayout layout;
    for (const auto& monitors : readings) {
        layout.Update({-2, 0, 7, 4}, monitors);
    }
    FillBox(block, 0, 0, 4, 3, W);
    layout.BlackenOffMonitors(block, {-3, 1, 5, 4});
}

TEST(PixelWrites, EachIsClippedToTheBlock) {
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    // clang-format off
    const struct { const char* name; std::function<void(const PixelBlock&)> draw;
                   const char* expected; } cases[] = {
        {"reversed corners", [](auto b) { FillBox(b, 2, 2, 1, 1, W); }, "..... .##.. .##.. ....."},
        {"one pixel", [](auto b) { FillBox(b, 4, 0, 4, 0, W); }, "....# ..... ..... ....."},
        {"past each side", [](auto b) { FillBox(b, -3, -3, 0, 1, W); FillBox(b, 3, 2, 99, 99, W); },
         "#.... #.... ...## ...##"},
        {"the whole range", [](auto b) { FillBox(b, Min, Max, Max, Min, W); },
         "##### ##### ##### #####"},
        {"beyond each side", [](auto b) {
             FillBox(b, -5, 0, -1, 3, W); FillBox(b, 6, 0, 9, 3, W);
             FillBox(b, 0, -4, 4, -1, W); FillBox(b, 0, 4, 4, Max, W); },
         "..... ..... ..... ....."},
        {"rectangles, all but one empty or beyond", [](auto b) {
             FillRect(b, {1, 1, 0, 2}, W); FillRect(b, {1, 1, 3, -1}, W);
             FillRect(b, {4, 1, -2, 2}, W); FillRect(b, {Max, 1, Max, 1}, W);
             FillRect(b, {-1, 2, 3, 9}, W); },
         "..... ..... ##... ##..."},
        {"cross 1 wide", [](auto b) { InvertCross(b, 2, 1, 1); }, "..#.. ##.## ..#.. ..#.."},
        {"cross 2 wide", [](auto b) { InvertCross(b, 2, 2, 2); }, ".##.. #..## #..## .##.."},
        {"cross 2 wide in the corner", [](auto b) { InvertCross(b, 0, 0, 2); },
         ".#### #.... #.... #...."},
        {"cross 0 wide", [](auto b) { InvertCross(b, 4, 3, 0); }, "....# ....# ....# ####."},
        {"text runs from (3, 1)", [](auto b) {
             FillRuns(b, 3, 1, {{-2, 0, 1}, {-1, -4, 1}, {0, 1, 9}, {1, -3, -1}, {2, 2, 3},
                                {3, 0, 1}}, W); },
         "####. ....# ##... ....."},
        // A monitor left of the primary changes its height within the virtual screen's outline,
        // gets a third below it, or the system gives no answer.
        {"off the monitors", [](auto b) {
             BlackenAfter(b, {{{-2, 0, 2, 3}, Primary}, {{-2, 0, 2, 2}, Primary}}); },
         "##### #..## #..## #####"},
        {"off three monitors", [](auto b) {
             BlackenAfter(b, {{{-2, 0, 2, 2}, Primary}, {{-2, 0, 2, 2}, Primary, {-2, 2, 1, 2}}});
         },
         "##### ##.## ##.## #####"},
        {"off no monitors", [](auto b) { BlackenAfter(b, {{{-2, 0, 2, 2}, Primary}, {}}); },
         "##### ##### ##### #####"}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(Drawn(c.draw), c.expected) << c.name;
    }
}

// A one-bit mask 12 pixels wide in rows of 4 bytes, with bits set beyond its width, as runs about
// a text origin at (1, 1).
TEST(PixelWrites, MaskRunsStopAtTheMasksWidth) {
    const std::uint8_t bits[] = {0xC3, 0xD8, 0x00, 0x00,   // 0-1, 6-9, 11 and 12 beyond
                                 0x00, 0x00, 0xFF, 0xFF,   // only beyond
                                 0x01, 0x80, 0x00, 0x00};  // 7-8
    EXPECT_EQ(MaskRuns(bits, 4, {12, 3}, 1),
              (std::vector<TextRun>{{-1, -1, 1}, {-1, 5, 9}, {-1, 10, 11}, {1, 6, 8}}));
}

constexpr std::uint32_t Before = 0xAAC8C8C8;  // a target pixel; a blend keeps its unused byte
constexpr std::uint32_t Kept = 0xAA000000;

// Four opaque pixels A B / C D laid on a 3 x 3 target (rows 4 apart, the fourth column not the
// target's) at each side and beyond: the letters show which lands where, '.' what is untouched.
TEST(BlendPremultiplied, ClippedAtEverySideOfTheTarget) {
    const std::uint32_t image[] = {0xFF110000, 0xFF220000, 0xFF330000, 0xFF440000};
    // clang-format off
    const struct { int left, top; std::string rows; } cases[] = {
        {0, 0, "AB.CD...."}, {-1, 1, "...B..D.."}, {2, 0, "..A..C..."}, {1, -1, ".CD......"},
        {0, 2, "......AB."}, {-1, -1, "D........"}, {2, 2, "........A"}, {3, 0, "........."},
        {0, -2, "........."}, {-5, 7, "........."}};
    // clang-format on
    for (const auto& c : cases) {
        std::vector<std::uint32_t> target(12, Before), expected = target;
        for (int i = 0; i < 9; ++i) {
            expected[i / 3 * 4 + i % 3] =
                c.rows[i] == '.' ? Before : Kept | (c.rows[i] - 'A' + 1) * 0x110000u;
        }
        BlendPremultiplied({image, 2, 2, 2}, {target.data(), 3, 3, 4}, c.left, c.top);
        EXPECT_EQ(target, expected) << c.left << ", " << c.top;
    }
}

// Opaque replaces, fully transparent leaves, alpha 128 adds 127 / 255 of the target (200 -> 100
// rounded) to its own channels; channels above alpha (not premultiplied) saturate.
TEST(BlendPremultiplied, WeighsTheTargetByWhatTheImageLeaves) {
    const std::uint32_t image[] = {0xFF102030, 0x80402010, 0x00000000, 0x40FFFFFF};
    std::vector<std::uint32_t> target(4, Before);
    BlendPremultiplied({image, 4, 1, 4}, {target.data(), 4, 1, 4}, 0, 0);
    EXPECT_EQ(target, (std::vector<std::uint32_t>{Kept | 0x102030, Kept | 0xA48474, Before,
                                                  Kept | 0xFFFFFF}));
}

}  // namespace
