#include "core/refresh_tick.h"

#include <gtest/gtest.h>

#include "core/angles.h"
#include "core/rounding.h"
#include "doubles/fake_input_devices.h"

namespace {

using Strings = std::vector<std::string>;
std::string Pair(std::int32_t x, std::int32_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

class RefreshTickTest : public ::testing::Test, public RefreshHooks {
  protected:
    FakeInputDevices input;
    OptionTable options;
    ViewState view;
    TrackState track;
    LineShape LA;
    Strings calls;  // what the last tick rendered and drew
    RefreshContext context{input, options, view, track, LA, *this};

    void RenderView(std::int32_t x, std::int32_t y, float zoom) override {
        calls.push_back("view " + Pair(x, y) + " at " + std::to_string(zoom));
    }
    void DrawCenterCross() override { calls.push_back("cross"); }
    void DrawCoordinates() override { calls.push_back("coordinates"); }
    void DrawColorValues() override { calls.push_back("colours"); }
    bool Tick(bool forced = false) {
        calls.clear();
        return RefreshTick(context, 2.0f, forced, 4500.0f * 3000.0f);
    }
};

TEST_F(RefreshTickTest, RendersOnlyWhenTheFocusMovesOrWhenForced) {
    EXPECT_FALSE(Tick());  // the remembered state starts at the origin, no buttons
    input.pointer = {300, 200};
    EXPECT_TRUE(Tick());
    EXPECT_EQ(calls, (Strings{"view 300,200 at 2.000000", "cross"}));
    for (int i = 0; i < 100; ++i) {
        EXPECT_FALSE(Tick());
    }
    EXPECT_TRUE(Tick(true));
    EXPECT_EQ(calls.at(0), "view 300,200 at 2.000000");
    // One query of each kind a tick while followed.
    EXPECT_EQ(
        Pair(input.pointerQueries, input.buttonQueries) + "," + std::to_string(input.caretQueries),
        "103,103,103");
}

TEST_F(RefreshTickTest, OverlaysFollowTheViewInTheirFixedOrderWhenSwitchedOn) {
    options.SetChecked(Item::ShowCoordinates, true);
    for (const std::int16_t item : {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMY,
                                    Item::ShowColorsCMYK}) {  // each colour read-out on its own
        options.SetChecked(item, true);
        Tick(true);
        EXPECT_EQ(calls, (Strings{"view 0,0 at 2.000000", "cross", "coordinates", "colours"}));
        options.SetChecked(item, false);
    }
    options.SetChecked(Item::ShowLines, false);
    options.SetChecked(Item::ShowCoordinates, false);
    Tick(true);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(RefreshTickTest, ReadsThePixelOnlyForADrawnColourReadout) {
    input.colour = 0x123456;
    input.pointer = {10, 10};
    Tick();
    options.SetChecked(Item::ShowColorsHex, true);
    for (int i = 0; i < 100; ++i) {
        Tick();
    }
    EXPECT_EQ(input.pixelQueries, 0);  // no read-out, then no rendering
    input.pointer = {20, 30};
    input.caret = {400, 100, 16};  // the caret wins the view, the colour is the pointer's
    Tick();
    EXPECT_EQ(calls.at(0), "view 400,108 at 2.000000");
    EXPECT_EQ(Pair(input.pixelAt.x, input.pixelAt.y) + " " + std::to_string(input.pixelQueries),
              "20,30 1");
    EXPECT_EQ(view.PointerColor, static_cast<float>(0x123456));
    options.SetChecked(Item::FollowMouse, false);
    Tick(true);
    EXPECT_EQ(input.pixelQueries, 1);
}

TEST_F(RefreshTickTest, AColourChangeUnderTheStillPointerLeavesTheViewOnTheCaret) {
    options.SetChecked(Item::ShowColorsHex, true);
    input.pointer = {50, 60};
    Tick();
    input.caret = {400, 100, 16};
    Tick();
    input.colour = 0x654321;  // a keystroke lands under the resting pointer
    EXPECT_FALSE(Tick());
    EXPECT_EQ(Pair(view.FocusX, view.FocusY), "400,108");
}

// Each step switches an option off (0: none), sets pointer, buttons and caret (x, top, height)
// and ticks. Then: "view" if it rendered, the focus point, the measured point where it is not
// the focus, while measuring the distance and bearing from the anchor, and the measuring line's
// bearing from the view centre while it is shown.
TEST_F(RefreshTickTest, MouseCaretAndMeasuring) {
    const struct {
        std::int16_t off;
        ScreenPoint pointer;
        std::int16_t buttons;
        CaretInfo caret;
        const char* expected;
    } steps[] = {
        {0, {50, 60}, 0, {400, 100, 15}, "view 400,108"},  // both move: the caret wins
        {0, {51, 60}, 0, {400, 100, 15}, "view 51,60"},    // the mouse moves: it takes the view
        {0, {51, 60}, 0, {20, 100, 13}, "view 20,106"},    // 106.5 to even
        {0, {51, 60}, 0, {0, 0, 0}, "20,106"},             // the caret vanishes: the view stays
        {0, {51, 60}, 0, {20, 100, 13}, "20,106"},         // and comes back in place: no move
        {0, {100, 100}, 0, {20, 100, 13}, "view 100,100"},
        {0, {100, 100}, 1, {20, 100, 13}, "100,100 0,0 90.000000 line 90"},  // a press alone
        // The measuring example; the caret is not followed while a button is held.
        {0, {130, 60}, 1, {5, 5, 10}, "view 130,60 30,-40 36.869896 line 217"},
        {0, {200, 60}, 4, {5, 5, 10}, "view 200,60 from 130,60 30,-40 36.869896 line 217"},
        {0, {270, 60}, 3, {5, 5, 10}, "view 270,60 from 130,60 30,-40 36.869896 line 217"},
        {0, {125, 100}, 0, {20, 100, 13}, "view 125,100"},  // released: a new anchor
        {Item::ShowLines, {126, 100}, 2, {20, 100, 13}, "view 126,100 1,0 90.000000"},
        // Not following the mouse, a caret move ends the measurement's display.
        {Item::FollowMouse, {126, 100}, 2, {300, 40, 10}, "view 300,45"},
        {Item::FollowText, {126, 100}, 0, {9, 9, 10}, "300,45"},  // following nothing
    };
    for (const auto& step : steps) {
        options.SetChecked(step.off, false);
        input.pointer = step.pointer;
        input.buttons = step.buttons;
        input.caret = step.caret;
        std::string state = Tick() ? "view " : "";
        state += Pair(view.FocusX, view.FocusY);
        if (view.MeasureX != view.FocusX || view.MeasureY != view.FocusY) {
            state += " from " + Pair(view.MeasureX, view.MeasureY);
        }
        if (view.MeasureW != NoMeasure || view.MeasureH != NoMeasure) {
            state +=
                " " + Pair(view.MeasureW, view.MeasureH) + " " + std::to_string(view.MeasureAngle);
        }
        if (LA.Visible) {
            state += " line " + std::to_string(RoundToInt32(AngleDeg(0, 0, LA.X1, LA.Y1)));
        }
        EXPECT_EQ(state, step.expected);
    }
    EXPECT_EQ(track.AnchorX, 125);
}

}  // namespace
