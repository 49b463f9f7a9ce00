#include <gtest/gtest.h>

#include <sstream>

#include "base/rounding.h"
#include "core/angles.h"
#include "core/menu_entries.h"
#include "core/refresh_tick.h"
#include "core/zoom_selection.h"
#include "doubles/fake_system.h"

namespace {

std::string Pair(std::int32_t x, std::int32_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

class RefreshTickTest : public ::testing::Test, public RefreshHooks {
  protected:
    FakeInputDevices input;
    OptionTable options;
    ViewState view;
    TrackState track;
    MeasuringLine line{.fromX = 64, .fromY = 48};  // the view centre
    RefreshContext context{input, options, view, track, line, *this};

    // What one tick read and then rendered and drew, in order.
    void RenderView(ScreenPoint focus, float zoom) override {
        input.reads += "view " + Pair(focus.x, focus.y) + " at " +
                       std::to_string(static_cast<int>(zoom * 100)) + "% ";
    }
    std::optional<Color> PixelColor(ScreenPoint at) override {
        return input.ScreenPixel(at.x, at.y);
    }
    void DrawCenterCross() override { input.reads += "cross "; }
    void DrawCoordinates() override { input.reads += "coordinates "; }
    void DrawColorValues() override { input.reads += "colours "; }
    std::string Tick(bool forced = false) {
        input.reads.clear();
        RunRefreshTick(context, 2.0f, forced, 4500.0f * 3000.0f);
        return input.reads;
    }
};

TEST_F(RefreshTickTest, RendersWhenTheFocusMovesOrWhenForcedAndOnlyThenReadsThePixel) {
    // The first tick renders, even at the origin where the remembered state starts.
    EXPECT_EQ(Tick(), "pointer buttons caret view 0,0 at 200% cross ");
    EXPECT_EQ(Tick(), "pointer buttons caret ");
    input.pointer = {300, 200};
    EXPECT_EQ(Tick(), "pointer buttons caret view 300,200 at 200% cross ");
    options.SetChecked(Item::ShowCoordinates, true);
    input.color = Rgb(0x56, 0x34, 0x12);
    for (const int item : {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMY,
                           Item::ShowColorsCMYK}) {  // each colour read-out on its own
        options.SetChecked(item, true);
        EXPECT_EQ(Tick(), "pointer buttons caret ");
        EXPECT_EQ(Tick(true),
                  "pointer buttons caret view 300,200 at 200% pixel 300,200 cross "
                  "coordinates colours ");
        options.SetChecked(item, false);
    }
    EXPECT_EQ(view.pointerColor, Rgb(0x56, 0x34, 0x12));
    options.SetChecked(Item::ShowColorsHex, true);
    options.SetChecked(Item::ShowCoordinates, false);
    input.pointer = {20, 30};  // both move: the caret wins the view, the colour is the pointer's
    input.caret = {400, 100, 16};
    EXPECT_EQ(Tick(), "pointer buttons caret view 400,108 at 200% pixel 20,30 cross colours ");
    input.color =
        Rgb(0x21, 0x43, 0x65);  // a keystroke lands under the resting pointer: the view stays
    EXPECT_EQ(Tick(), "pointer buttons caret ");
    options.SetChecked(Item::FollowMouse, false);
    options.SetChecked(Item::ShowLines, false);
    EXPECT_EQ(Tick(true), "caret view 400,108 at 200% colours ");
}

// Each step switches an option off (0: none), sets pointer, buttons and caret, ticks; then the
// focus, the measured point if not that, distance and bearing while measuring, the line's bearing.
TEST_F(RefreshTickTest, MouseCaretAndMeasuring) {
    // clang-format off
    const struct { int off; ScreenPoint pointer; int buttons; CaretInfo caret;
                   const char* expected; } steps[] = {
        {0, {50, 60}, 0, {400, 100, 15}, "400,108"},    // both move: the caret wins
        {0, {100, 100}, 0, {400, 100, 15}, "100,100"},  // the mouse moves: it takes the view
        {0, {100, 100}, 0, {20, 100, 13}, "20,106"},    // 106.5 to even
        {0, {110, 100}, 0, {20, 100, 13}, "110,100"},   // the mouse takes the view
        {0, {100, 100}, 0, {0, 0, 0}, "100,100"},       // the caret vanishes: the view stays
        {0, {100, 100}, 0, {20, 100, 13}, "20,106"},    // it comes back in place: a caret move
        {0, {100, 100}, 1, {20, 100, 13}, "100,100 0,0 90.000000 line 90"},  // a press alone
        // The measuring example; the caret is not followed while a button is held.
        {0, {130, 60}, 1, {5, 5, 10}, "130,60 30,-40 36.869896 line 217"},
        {0, {200, 60}, 4, {5, 5, 10}, "200,60 from 130,60 30,-40 36.869896 line 217"},
        {0, {270, 60}, 3, {5, 5, 10}, "270,60 from 130,60 30,-40 36.869896 line 217"},
        {0, {125, 100}, 0, {20, 100, 13}, "125,100"},  // released: a new anchor
        {Item::ShowLines, {126, 100}, 2, {20, 100, 13}, "126,100 1,0 90.000000"},
        // Not following the mouse, a caret move ends the measurement's display.
        {Item::FollowMouse, {126, 100}, 2, {300, 40, 10}, "300,45"},
        {Item::FollowText, {126, 100}, 0, {9, 9, 10}, "300,45"}};  // following nothing
    // clang-format on
    for (const auto& [off, pointer, buttons, caret, expected] : steps) {
        options.SetChecked(off, false);
        input.pointer = pointer;
        input.buttons = static_cast<Buttons>(buttons);  // 1 left, 2 right, 4 middle
        input.caret = caret;
        Tick();
        const bool measuring = view.distanceX != NoMeasure || view.distanceY != NoMeasure;
        const float bearing = AngleDeg(line.fromX, line.fromY, line.toX, line.toY);
        std::string state = Pair(view.focus.x, view.focus.y);
        state +=
            view.measured == view.focus ? "" : " from " + Pair(view.measured.x, view.measured.y);
        state += measuring ? " " + Pair(view.distanceX, view.distanceY) : "";
        state += measuring ? " " + std::to_string(view.bearing) : "";
        state += line.visible ? " line " + std::to_string(RoundToInt32(bearing)) : "";
        EXPECT_EQ(state, expected);
    }
}

// (dx, dy) from the anchor: straight, both sides of each quadrant's diagonal, one rounding to 360.
TEST(Angles, BearingsFromTheAnchor) {
    // clang-format off
    const float bearings[][3] = {
        {0, -10, 0}, {0, 10, 180}, {-10, 0, 270}, {-1, -1e8f, 0},
        {1, -3, 18.434948f}, {3, -1, 71.565051f}, {3, 1, 108.43495f}, {1, 3, 161.56505f},
        {-1, 3, 198.43495f}, {-3, 1, 251.56505f}, {-3, -1, 288.43495f}, {-1, -3, 341.56505f}};
    // clang-format on
    for (const auto [dx, dy, degrees] : bearings) {
        EXPECT_FLOAT_EQ(AngleDeg(100, 100, 100 + dx, 100 + dy), degrees) << dx << ", " << dy;
    }
}

// The popup menu as shown: the items in order, "-" for a separator, [index] for a check mark; as
// created but for 7050 toggled twice and 7060 once. Indexes that address no item change nothing.
TEST(OptionTable, TheMenuAfterToggles) {
    OptionTable table;
    EXPECT_TRUE(table.ToggleOption(Item::ShowCoordinates) &&
                table.ToggleOption(Item::ShowCoordinates) &&
                table.ToggleOption(Item::ShowColorsHex));
    EXPECT_FALSE(table.ToggleOption(11) || table.SetChecked(11, true) || table.IsOptionChecked(11));
    table.SetChecked(Item::About, true);  // a command shows no mark whatever its state
    std::string menu;
    for (const MenuEntry& entry : MenuEntriesOf(table)) {
        const std::string index = std::to_string(entry.index);
        menu += entry.separator ? "- " : entry.checked ? "[" + index + "] " : index + " ";
        EXPECT_EQ(entry.caption, table.Caption(entry.index));
    }
    EXPECT_EQ(menu,
              "10 25 50 75 90 [100] 200 400 800 1600 - [7010] [7020] [7030] [7035] [7040] 7050 "
              "[7060] 7065 7070 7075 - [8010] 8020 - 9990 9999 ");
}

// Each selection on one table: the factor it returns (-1: none), the zoom items then checked, and
// the zoom found with the factor it leaves.
TEST(ZoomSelection, WorkedExamples) {
    OptionTable table;
    float found = -1;
    const auto state = [&](std::optional<float> factor) {
        std::ostringstream text;
        text << factor.value_or(-1) << " |";
        for (const OptionItem& item : table.Items()) {
            text << (item.checked && item.index <= Item::LastZoom ? " " + std::to_string(item.index)
                                                                  : "");
        }
        text << " | " << FindCheckedZoom(table, found) << " " << found;
        return text.str();
    };
    EXPECT_EQ(state(CheckZoomItem(table, 400)), "4 | 400 | 400 4");
    EXPECT_EQ(state(CheckZoomItem(table, 0)), "-1 | | 0 4");  // the factor stays
    EXPECT_EQ(state(CheckZoomItem(table, -5)), "-1 | | 0 4");
    EXPECT_EQ(state(CheckZoomItem(table, 150)), "1.5 | | 0 4");  // no item, still a factor
    table.SetChecked(800, true);
    table.SetChecked(25, true);
    EXPECT_EQ(state({}), "-1 | 25 800 | 800 8");  // the highest wins
}

}  // namespace
