#include "app/main_form.h"

#include <gtest/gtest.h>

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
    FakeRegistry registry;
    FakeEnvironment environment;
    FakePopupMenu menu;
    MainForm app{form, input, screen, registry, environment, menu, ","};

    void SetUp() override {
        form.onResize = [this] { app.OnResize(); };
        form.events = &app;
    }
};

TEST_F(MainFormTest, StartsUpInOrderThenTicksAndFollowsTheScale) {
    form.Move(0, 0, 1500, 1500);  // a size the window reports while it is made: no layout yet
    EXPECT_EQ(form.width, 1500);
    registry.SetSetting("Window.Left", "600");
    ASSERT_TRUE(app.Load());
    EXPECT_EQ(form.surface.fontName + " " + std::to_string(form.surface.fontSize) +
                  (form.surface.fontBold ? " bold" : ""),
              "Tahoma 7.000000 bold");
    EXPECT_EQ(form.log, (std::vector<std::string>{"onto work area", "caption Ridoduvuzi Zedez",
                                                  "show", "place 600 32 128 128 topmost"}));
    // The menu from the keyboard opens centred on the window's outer top-left corner.
    app.OnKeyDown(112, 0);
    EXPECT_EQ((ScreenPoint{menu.showings.at(0).x, menu.showings[0].y}), (ScreenPoint{600, 32}));
    EXPECT_EQ(menu.showings[0].alignment, MenuAlignment::CentredOnPoint);

    input.pointer = {300, 200};
    app.OnTimer1();
    app.OnTimer1();
    EXPECT_EQ(screen.captures.size(), 1u);  // nothing moved
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), 2u);  // auto refresh
    app.Options().SetChecked(Item::AutoRefresh, false);
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), 2u);
    // To a monitor at 180 dpi: the window, still 128 pixels wide, reports 1024 twips; it takes the
    // suggested rectangle, whose move reports a resize, and stays 128 pixels wide.
    form.twipsPerPixelX = form.twipsPerPixelY = 8;
    form.width = form.height = 128 * 8;
    app.OnScaleChanged({40, 50, 128, 128});
    EXPECT_EQ(app.CurrentTwips(), (TwipsPerPixel{8, 8}));
    EXPECT_EQ((std::vector<float>{form.left, form.top, form.width}),
              (std::vector<float>{40 * 8, 50 * 8, 128 * 8}));
    EXPECT_EQ(screen.captures.size(), 3u);
}

// The centre lines turned on during a measurement show its line toward the anchor at once, and no
// line without one; a refused Run entry unchecks the item.
TEST_F(MainFormTest, CommandsShowWhatIsTrue) {
    ASSERT_TRUE(app.Load());
    app.Options().SetChecked(Item::ShowLines, false);
    input.pointer = {300, 200};
    app.OnTimer1();
    input.buttons = MouseButton::Left;
    input.pointer = {360, 200};  // the anchor lies to the left
    app.OnTimer1();
    app.Mnu_Click(Item::ShowLines);
    EXPECT_TRUE(form.measuringLine.Visible);
    EXPECT_EQ(RoundToInt32(AngleDeg(form.measuringLine.X2, form.measuringLine.Y2,
                                    form.measuringLine.X1, form.measuringLine.Y1)),
              270);
    input.buttons = 0;
    app.OnTimer1();
    app.Mnu_Click(Item::ShowLines);
    app.Mnu_Click(Item::ShowLines);
    EXPECT_FALSE(form.measuringLine.Visible);
    registry.refuse = true;
    app.Mnu_Click(Item::Autorun);
    EXPECT_FALSE(app.Options().IsOptionChecked(Item::Autorun));
}

}  // namespace
