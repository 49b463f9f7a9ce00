#include "core/refresh_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "doubles/fake_input_devices.h"

namespace {

class RecordingHooks : public RefreshHooks {
  public:
    std::vector<std::string> calls;
    std::int32_t renderedX = 0, renderedY = 0;
    float renderedZoom = 0;

    void RenderView(std::int32_t x, std::int32_t y, float zoom) override {
        calls.push_back("view");
        renderedX = x;
        renderedY = y;
        renderedZoom = zoom;
    }
    void DrawCenterCross() override { calls.push_back("cross"); }
    void DrawCoordinates() override { calls.push_back("coordinates"); }
    void DrawColorValues() override { calls.push_back("colours"); }
    int Renders() const { return static_cast<int>(std::count(calls.begin(), calls.end(), "view")); }
};

class RefreshTickTest : public ::testing::Test {
  protected:
    FakeInputDevices input;
    OptionTable options;
    ViewState view;
    TrackState track;
    LineShape LA;
    RecordingHooks hooks;
    RefreshContext context{input, options, view, track, LA, hooks};
    static constexpr float Reach = 4500.0f * 3000.0f;

    bool Tick(bool forced = false) { return RefreshTick(context, 2.0f, forced, Reach); }
    void MoveTo(std::int32_t x, std::int32_t y) { input.pointer = {x, y}; }
};

TEST_F(RefreshTickTest, RendersOnceThenNotWhileNothingMoves) {
    MoveTo(300, 200);
    EXPECT_TRUE(Tick());
    EXPECT_EQ(hooks.renderedX, 300);
    EXPECT_EQ(hooks.renderedY, 200);
    EXPECT_EQ(hooks.renderedZoom, 2.0f);
    for (int i = 0; i < 500; ++i) {
        EXPECT_FALSE(Tick());
    }
    EXPECT_EQ(hooks.Renders(), 1);
}

TEST_F(RefreshTickTest, ForcedTicksRenderWithoutAMove) {
    MoveTo(300, 200);
    Tick();
    EXPECT_TRUE(Tick(true));
    EXPECT_TRUE(Tick(true));
    EXPECT_EQ(hooks.Renders(), 3);
}

TEST_F(RefreshTickTest, PointerAtTheOriginOverBlackIsNoFirstChange) {
    // The remembered state starts at zero: nothing moved, nothing to render.
    EXPECT_FALSE(Tick());
    EXPECT_EQ(hooks.Renders(), 0);
}

TEST_F(RefreshTickTest, AColourChangeUnderTheStillPointerLeavesTheViewOnTheCaret) {
    options.SetChecked(Item::ShowColorsHex, true);
    MoveTo(50, 60);
    Tick();
    input.caret = {400, 100, 16};
    Tick();
    ASSERT_EQ(view.FocusX, 400);
    input.colour = 0x654321;  // a keystroke lands under the resting pointer
    EXPECT_FALSE(Tick());
    EXPECT_EQ(view.FocusX, 400);
    EXPECT_EQ(view.FocusY, 108);
}

TEST_F(RefreshTickTest, ReadsThePixelOnlyWhenARenderingShowsIt) {
    MoveTo(10, 10);
    input.colour = 0x123456;
    Tick();
    EXPECT_EQ(input.pixelQueries, 0);  // no colour read-out
    options.SetChecked(Item::ShowColorsCMY, true);
    for (int i = 0; i < 100; ++i) {
        Tick();
    }
    EXPECT_EQ(input.pixelQueries, 0);
    MoveTo(20, 30);
    input.caret = {400, 100, 16};  // the caret wins the view, the colour is the pointer's
    Tick();
    EXPECT_EQ(view.FocusX, 400);
    EXPECT_EQ(input.pixelQueries, 1);
    EXPECT_EQ(input.pixelAt, (ScreenPoint{20, 30}));
    EXPECT_EQ(view.PointerColor, static_cast<float>(0x123456));
    EXPECT_EQ(input.pointerQueries, 102);
    EXPECT_EQ(input.buttonQueries, 102);
    EXPECT_EQ(input.caretQueries, 102);
}

TEST_F(RefreshTickTest, OverlaysFollowTheViewInTheirFixedOrderWhenSwitchedOn) {
    options.SetChecked(Item::ShowLines, true);
    options.SetChecked(Item::ShowCoordinates, true);
    options.SetChecked(Item::ShowColorsCMYK, true);
    MoveTo(5, 5);
    Tick();
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"view", "cross", "coordinates", "colours"}));

    hooks.calls.clear();
    options.SetChecked(Item::ShowLines, false);
    options.SetChecked(Item::ShowCoordinates, false);
    options.SetChecked(Item::ShowColorsCMYK, false);
    Tick(true);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"view"}));

    for (const std::int16_t item :
         {Item::ShowColorsHex, Item::ShowColorsDec, Item::ShowColorsCMY}) {
        hooks.calls.clear();
        options.SetChecked(item, true);
        Tick(true);
        EXPECT_EQ(hooks.calls, (std::vector<std::string>{"view", "colours"})) << item;
        options.SetChecked(item, false);
    }
}

TEST_F(RefreshTickTest, CaretMoveWinsWithinOneTick) {
    MoveTo(50, 60);
    input.caret = {400, 100, 15};
    Tick();
    EXPECT_EQ(view.FocusX, 400);
    EXPECT_EQ(view.FocusY, 108);  // 107.5 to even
    EXPECT_EQ(view.MeasureW, NoMeasure);

    // The caret stands still, the mouse moves: the mouse takes the view back.
    MoveTo(51, 60);
    Tick();
    EXPECT_EQ(view.FocusX, 51);
    EXPECT_EQ(view.FocusY, 60);
}

TEST_F(RefreshTickTest, CaretMiddleRoundsHalvesToEven) {
    options.SetChecked(Item::FollowMouse, false);
    input.caret = {20, 100, 13};
    Tick();
    EXPECT_EQ(view.FocusY, 106);  // 106.5 to even
    input.caret = {20, 100, 15};
    Tick();
    EXPECT_EQ(view.FocusY, 108);
}

TEST_F(RefreshTickTest, AVanishedCaretLeavesTheViewWhereItWas) {
    options.SetChecked(Item::FollowMouse, false);
    input.caret = {400, 100, 16};
    Tick();
    ASSERT_EQ(view.FocusX, 400);
    input.caret = {0, 0, 0};
    EXPECT_FALSE(Tick());
    EXPECT_EQ(view.FocusX, 400);
    EXPECT_EQ(view.FocusY, 108);
    // Back where it was: no move, no rendering.
    input.caret = {400, 100, 16};
    EXPECT_FALSE(Tick());
    EXPECT_EQ(hooks.Renders(), 1);
}

TEST_F(RefreshTickTest, FollowingOnlyTheCaretLeavesTheColourAlone) {
    options.SetChecked(Item::FollowMouse, false);
    input.colour = 0x00FF00;
    MoveTo(70, 70);
    input.caret = {9, 9, 10};
    Tick();
    EXPECT_EQ(view.PointerColor, 0.0f);
    EXPECT_EQ(input.pointerQueries, 0);
    EXPECT_EQ(view.FocusX, 9);
}

TEST_F(RefreshTickTest, FollowingNothingKeepsTheFocusForForcedTicks) {
    options.SetChecked(Item::FollowMouse, false);
    options.SetChecked(Item::FollowText, false);
    MoveTo(70, 70);
    input.caret = {9, 9, 10};
    EXPECT_FALSE(Tick());
    EXPECT_TRUE(Tick(true));
    EXPECT_EQ(hooks.renderedX, 0);
    EXPECT_EQ(input.caretQueries, 0);
}

TEST_F(RefreshTickTest, MeasuringExample) {
    options.SetChecked(Item::FollowText, false);
    MoveTo(100, 100);
    Tick();
    EXPECT_EQ(track.AnchorX, 100);
    EXPECT_FALSE(LA.Visible);

    input.buttons = MouseButton::Left;
    MoveTo(130, 60);
    Tick();
    EXPECT_EQ(view.MeasureW, 30);
    EXPECT_EQ(view.MeasureH, -40);
    EXPECT_FLOAT_EQ(view.MeasureAngle, 36.8698976f);
    EXPECT_EQ(track.AnchorBearing, 217);
    EXPECT_TRUE(LA.Visible);
    // The line starts far out towards the anchor (down and to the left of the view centre).
    EXPECT_LT(LA.X1, -Reach / 2);
    EXPECT_GT(LA.Y1, Reach / 2);
}

TEST_F(RefreshTickTest, MiddleButtonOrAChordFreezesTheMeasurement) {
    options.SetChecked(Item::FollowText, false);
    MoveTo(100, 100);
    Tick();
    input.buttons = MouseButton::Left;
    MoveTo(110, 100);
    Tick();
    for (const std::int16_t frozen :
         {MouseButton::Middle, static_cast<std::int16_t>(MouseButton::Left | MouseButton::Right)}) {
        input.buttons = frozen;
        MoveTo(200, 300);
        Tick();
        EXPECT_EQ(view.FocusX, 200);
        EXPECT_EQ(view.MeasureX, 110);
        EXPECT_EQ(view.MeasureW, 10);
        EXPECT_EQ(view.MeasureH, 0);
        EXPECT_FLOAT_EQ(view.MeasureAngle, 90);
    }
}

TEST_F(RefreshTickTest, ReleasingEndsTheMeasurementAndHidesTheLine) {
    options.SetChecked(Item::FollowText, false);
    MoveTo(100, 100);
    Tick();
    input.buttons = MouseButton::Left;
    MoveTo(120, 100);
    Tick();
    ASSERT_TRUE(LA.Visible);
    input.buttons = 0;
    MoveTo(125, 100);
    Tick();
    EXPECT_FALSE(LA.Visible);
    EXPECT_EQ(view.MeasureW, NoMeasure);
    EXPECT_EQ(view.MeasureH, NoMeasure);
    EXPECT_EQ(track.AnchorX, 125);
}

TEST_F(RefreshTickTest, NoCaretTrackingWhileAButtonIsHeld) {
    MoveTo(100, 100);
    input.caret = {5, 5, 10};
    Tick();
    input.buttons = MouseButton::Left;
    MoveTo(120, 100);
    input.caret = {50, 50, 10};
    Tick();
    EXPECT_EQ(view.FocusX, 120);
    EXPECT_EQ(track.LastCaretX, 5);
}

TEST_F(RefreshTickTest, WithoutCentreLinesTheMeasuringLineStaysHidden) {
    options.SetChecked(Item::ShowLines, false);
    options.SetChecked(Item::FollowText, false);
    MoveTo(100, 100);
    Tick();
    input.buttons = MouseButton::Left;
    MoveTo(120, 130);
    Tick();
    EXPECT_FALSE(LA.Visible);
    EXPECT_EQ(view.MeasureW, 20);
}

TEST_F(RefreshTickTest, ACaretMoveEndsTheMeasurementDisplayButKeepsTheAnchor) {
    MoveTo(100, 100);
    Tick();
    ASSERT_EQ(track.AnchorX, 100);
    input.caret = {300, 40, 10};
    Tick();
    EXPECT_EQ(view.MeasureW, NoMeasure);
    EXPECT_EQ(view.MeasureX, 300);
    EXPECT_EQ(track.AnchorX, 100);
}

}  // namespace
