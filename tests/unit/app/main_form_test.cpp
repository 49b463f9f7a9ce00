#include "app/main_form.h"

#include <gtest/gtest.h>

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
    ASSERT_TRUE(app.Load());
    EXPECT_EQ(form.surface.fontName + " " + std::to_string(form.surface.fontSize) +
                  (form.surface.fontBold ? " bold" : ""),
              "Tahoma 7.000000 bold");
    EXPECT_EQ(form.log, (std::vector<std::string>{"caption Ridoduvuzi Zedez", "show",
                                                  "place 32 32 128 128 topmost"}));

    input.pointer = {300, 200};
    app.OnTimer1();
    app.OnTimer1();
    EXPECT_EQ(screen.captures.size(), 1u);  // nothing moved
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), 2u);  // auto refresh
    app.Options().SetChecked(Item::AutoRefresh, false);
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), 2u);
    form.twipsPerPixelX = form.twipsPerPixelY = 8;
    app.OnScaleChanged();
    EXPECT_EQ(app.CurrentTwips(), (TwipsPerPixel{8, 8}));
    EXPECT_EQ(screen.captures.size(), 3u);
}

TEST_F(MainFormTest, MenuFromTheMouseAndTheKeyboardThenCloseWritesEverySetting) {
    registry.SetSetting("Window.Left", "600");
    registry.SetSetting("Window.Top", "300");
    ASSERT_TRUE(app.Load());
    input.pointer = {300, 200};
    menu.picks = {400, Item::Close};
    app.OnMouseDown(MouseButton::Right, 0);
    app.OnKeyDown(112, 0);
    ASSERT_EQ(menu.showings.size(), 2u);
    EXPECT_EQ((ScreenPoint{menu.showings[0].x, menu.showings[0].y}), (ScreenPoint{300, 200}));
    EXPECT_EQ(menu.showings[0].alignment, MenuAlignment::LeftAtPoint);
    // From the keyboard: centred on the window's outer top-left corner.
    EXPECT_EQ((ScreenPoint{menu.showings[1].x, menu.showings[1].y}), (ScreenPoint{600, 300}));
    EXPECT_EQ(menu.showings[1].alignment, MenuAlignment::CentredOnPoint);
    EXPECT_TRUE(menu.showings[1].entries[7].checked);  // zoom 400, as the first pick left it
    EXPECT_EQ(form.log.back(), "stop timers");         // before the settings are written
    EXPECT_EQ(registry.writes.size(), 16u);
}

}  // namespace
