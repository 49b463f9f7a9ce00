#include "app/main_form.h"

#include <gtest/gtest.h>

#include "app/input.h"
#include "base/rounding.h"
#include "core/angles.h"
#include "doubles/fake_form_window.h"
#include "doubles/fake_input_devices.h"
#include "doubles/fake_screen_capture.h"
#include "doubles/fake_system.h"

namespace {

class MainFormTest : public ::testing::Test {
  protected:
    FakeFormWindow form;
    FakeInputDevices input;
    FakeScreenCapture screen;
    FakeSettingsStore settings;
    FakeAutostart autostart;
    FakeEnvironment environment;
    FakePopupMenu menu;
    MainForm app{{form, input, screen, settings, autostart, environment, menu},
                 {UiLanguage::English, ",", {}}};

    void SetUp() override {
        form.events = &app;
        autostart.log = &settings.log;
    }
};

TEST_F(MainFormTest, StartsUpInOrderThenTicksAndFollowsTheScale) {
    settings.values = {{"Window.Left", "600"}, {"Window.Height", "40"}};  // below the minimum
    ASSERT_TRUE(app.Start());
    // The window's values, the flags in menu order, the autostart entry, the zoom.
    std::string reads;
    for (const std::string& entry : settings.log) {
        reads += entry.substr(entry.find_last_of(" .") + 1) + " ";
    }
    EXPECT_EQ(input.reads, "watch ");  // the caret, as following it is stored
    EXPECT_EQ(
        reads,
        "Left Top Width Height AutoRefresh FollowMouse FollowText ShowCursor ShowLines "
        "ShowCoordinates ShowColorsHex ShowColorsDec ShowColorsCMY ShowColorsCMYK OnTop asked "
        "Zoom ");
    EXPECT_EQ(form.log, (std::vector<std::string>{"onto work area", "caption Ridoduvuzi Zedez",
                                                  "place 600 32 128 64 topmost", "show"}));
    // The menu from the keyboard opens centred on the window's outer top-left corner.
    app.OnKeyDown(Key::F1, Modifiers::NoModifier);
    EXPECT_EQ((ScreenPoint{menu.showings.at(0).x, menu.showings[0].y}), (ScreenPoint{600, 32}));
    EXPECT_EQ(menu.showings[0].alignment, MenuAlignment::CentredOnPoint);

    input.pointer = {300, 200};
    app.OnTrackingTick();
    app.OnTrackingTick();
    EXPECT_EQ(screen.captures.size(), 1u);  // nothing moved
    app.OnAutoRefreshTick();
    EXPECT_EQ(screen.captures.size(), 2u);  // auto refresh
    app.Options().SetChecked(Item::AutoRefresh, false);
    app.OnAutoRefreshTick();
    app.OnDisplayChanged();  // the capture learns of the monitors' new places, and the view too
    EXPECT_EQ(screen.displayChanges, 1);
    EXPECT_EQ(screen.captures.size(), 3u);
    // At 1600% a client 120 pixels wide is 112.5 twips of the screen at 96 dpi, 112 rounded,
    // 7 pixels; at 180 dpi 60 twips of 8, 7.5 pixels, 8 rounded. The window takes the suggested
    // rectangle and shows the new scale at once.
    form.Move({0, 0, 128, 128});
    app.OnMenuPick(1600);
    app.RefreshTick(true);
    EXPECT_EQ(screen.captures.back().area.width, 7);
    app.OnScaleChanged(180, {40, 50, 128, 128}, false);
    EXPECT_EQ(screen.captures.size(), 5u);
    EXPECT_EQ(screen.captures.back().area.width, 8);
}

// A window stored on a monitor of 150 % opens there at its stored size, although the system
// suggests half as much again when the start-up move takes it there; dragged there by the user,
// it takes the suggested rectangle.
TEST_F(MainFormTest, ScaleChangesOfItsOwnMovesKeepTheStoredPixels) {
    settings.values = {{"Window.Left", "-500"}, {"Window.Width", "300"}, {"Window.Height", "300"}};
    form.onMove = [this](const PixelRect& to) {
        if (to.left < 0 && form.dpi == 96) {
            form.dpi = 144;
            app.OnScaleChanged(144, {to.left, to.top, to.width * 3 / 2, to.height * 3 / 2}, true);
        }
    };
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(form.outer, (PixelRect{-500, 32, 300, 300}));
    form.onMove = nullptr;
    app.OnScaleChanged(96, {100, 32, 200, 200}, false);  // dragged back by the user
    EXPECT_EQ(form.outer, (PixelRect{100, 32, 200, 200}));
}

// The centre lines turned on during a measurement show its line toward the anchor at once, and no
// line without one; a refused Run entry unchecks the item.
TEST_F(MainFormTest, CommandsShowWhatIsTrue) {
    ASSERT_TRUE(app.Start());
    app.Options().SetChecked(Item::ShowLines, false);
    input.pointer = {300, 200};
    app.OnTrackingTick();
    input.buttons = Buttons::Left;
    input.pointer = {360, 200};  // the anchor lies to the left
    app.OnTrackingTick();
    app.OnMenuPick(Item::ShowLines);
    const MeasuringLine& line = form.measuringLine;
    EXPECT_TRUE(line.visible);
    EXPECT_EQ((std::vector<float>{line.fromX, line.fromY}), (std::vector<float>{60, 48.5f}));
    EXPECT_EQ(RoundToInt32(AngleDeg(line.fromX, line.fromY, line.toX, line.toY)), 270);
    input.buttons = Buttons::NoButton;
    app.OnTrackingTick();
    app.OnMenuPick(Item::ShowLines);
    app.OnMenuPick(Item::ShowLines);
    EXPECT_FALSE(form.measuringLine.visible);
    autostart.refuse = true;
    app.OnMenuPick(Item::Autorun);
    EXPECT_FALSE(app.Options().IsOptionChecked(Item::Autorun));
}

}  // namespace
