#include "app/main_form.h"

#include <gtest/gtest.h>

#include "doubles/fake_input_devices.h"
#include "doubles/fake_screen_capture.h"
#include "doubles/fake_system.h"
#include "doubles/framed_form_window.h"
#include "window/autorun.h"

namespace {

class MainFormTest : public ::testing::Test {
  protected:
    FramedFormWindow form;
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

TEST_F(MainFormTest, StartsWithTheStoredRectangleZoomAndFontThenShowsAndPlaces) {
    registry.SetSetting("Window.Left", "100");
    registry.SetSetting("Window.Top", "50");
    registry.SetSetting("Window.Width", "300");
    registry.SetSetting("Set.Zoom", "400");
    ASSERT_TRUE(app.Load());
    EXPECT_EQ(form.left, 1500);
    EXPECT_EQ(form.top, 750);
    EXPECT_EQ(form.width, 4500);
    EXPECT_EQ(form.height, 1920);
    EXPECT_EQ(app.ZoomFactor(), 4.0f);
    EXPECT_TRUE(app.Options().IsOptionChecked(400));
    EXPECT_FALSE(app.Options().IsOptionChecked(100));
    EXPECT_EQ(app.Options().Caption(Item::AutoRefresh), "Auto &refresh @ 250ms");
    EXPECT_EQ(form.caption, "Ridoduvuzi Zedez");
    EXPECT_EQ(form.surface.fontName, "Tahoma");
    EXPECT_EQ(form.surface.fontSize, 7);
    EXPECT_TRUE(form.surface.fontBold);
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(form.placements, (std::vector<FakeFormWindow::Placement>{{100, 50, 300, 128, true}}));
    EXPECT_EQ(app.MeasuringLine().X2, form.scaleWidth / 2);
    EXPECT_FALSE(app.Options().IsOptionChecked(Item::Autorun));
}

TEST_F(MainFormTest, StoredOddValuesStartSafelyAndAreWrittenBackCanonical) {
    registry.SetSetting("Window.Left", "&H64");
    registry.SetSetting("Window.Top", " 5 0");
    registry.SetSetting("Window.Width", "0");
    registry.SetSetting("Window.Height", "word");
    registry.SetSetting("Set.ShowCoordinates", "1.0");
    registry.SetSetting("Window.OnTop", "-1");
    registry.SetSetting("Set.Zoom", "1e309");
    ASSERT_TRUE(app.Load());
    EXPECT_EQ(form.width, 1920);  // laid out at the minimum
    EXPECT_EQ(form.height, 960);
    EXPECT_EQ(app.ZoomFactor(), 2.0f);
    EXPECT_FALSE(form.placements.back().topmost);
    app.OnKeyDown(115, ShiftKey::Alt);
    EXPECT_TRUE(form.timersStopped);
    ASSERT_EQ(registry.writes.size(), 16u);
    EXPECT_EQ(std::vector<std::string>(registry.writes.begin(), registry.writes.begin() + 6),
              (std::vector<std::string>{"Window.Top=50", "Window.Left=100", "Window.Width=128",
                                        "Window.Height=64", "Set.Zoom=200", "Set.AutoRefresh=1"}));
    EXPECT_EQ(registry.writes[10], "Set.ShowCoordinates=1");
    EXPECT_EQ(registry.writes[15], "Window.OnTop=0");
}

TEST_F(MainFormTest, RefusesOutsideTheNtFamilyInTheUsersLanguageAndTouchesNothing) {
    environment.winNT = false;
    registry.values[FakeRegistry::Key(Hive::CurrentUser, "Control Panel\\International",
                                      "LocaleName")] = "de-DE";
    EXPECT_FALSE(app.Load());
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].text, "Sorry, this program can't run in Windows 95/98/ME.");
    EXPECT_EQ(form.messages[0].title, " Zezovirure Vova - ERROR!");
    EXPECT_EQ(form.messages[0].style, MessageStyle::Refusal);
    EXPECT_FALSE(form.shown);
    EXPECT_TRUE(form.placements.empty());
    EXPECT_TRUE(registry.writes.empty());
}

TEST_F(MainFormTest, MenuFromTheMouseAndTheKeyboardCarriesOutThePick) {
    registry.SetSetting("Window.Left", "600");
    registry.SetSetting("Window.Top", "300");
    ASSERT_TRUE(app.Load());
    input.pointer = {300, 200};
    app.OnTimer1();
    const std::size_t renderings = screen.captures.size();

    menu.picks = {400, Item::ShowCoordinates};
    app.OnMouseDown(MouseButton::Right, 0);
    EXPECT_EQ(app.ZoomFactor(), 4.0f);
    EXPECT_EQ(screen.captures.size(), renderings);  // the new zoom shows at the next rendering
    app.OnKeyDown(112, 0);
    EXPECT_EQ(screen.captures.size(), renderings + 1);  // the read-out shows at once
    ASSERT_EQ(menu.showings.size(), 2u);
    EXPECT_EQ(menu.showings[0].x, 300);
    EXPECT_EQ(menu.showings[0].alignment, MenuAlignment::LeftAtPoint);
    EXPECT_EQ(menu.showings[1].x, 600);
    EXPECT_EQ(menu.showings[1].y, 300);
    EXPECT_EQ(menu.showings[1].alignment, MenuAlignment::CentredOnPoint);
    EXPECT_TRUE(menu.showings[1].entries[7].checked);  // zoom 400, as the first pick left it

    app.OnMouseDown(MouseButton::Left, 0);
    app.OnMouseDown(MouseButton::Left, ShiftKey::Ctrl);
    EXPECT_EQ(form.drags, 1);
    menu.picks = {Item::About};
    app.OnKeyDown(93, 0);
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].title, " About ...");
    EXPECT_EQ(form.messages[0].style, MessageStyle::About);
}

TEST_F(MainFormTest, TheSlowTimerForcesARenderingOnlyWithAutoRefresh) {
    app.Load();
    input.pointer = {300, 200};
    app.OnTimer1();
    ASSERT_EQ(screen.captures.size(), 1u);
    app.OnTimer1();
    EXPECT_EQ(screen.captures.size(), 1u);
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), 2u);
    app.Options().SetChecked(Item::AutoRefresh, false);
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), 2u);
}

TEST_F(MainFormTest, FollowsTheWindowsScaleOnlyOnceStartUpHasReadIt) {
    form.width = 100;
    app.OnResize();
    EXPECT_EQ(form.width, 100);  // a size reported while the window is made lays nothing out
    registry.values[FakeRegistry::Key(Hive::CurrentUser, RunKeyPath, "zedez.exe")] =
        "\"C:\\Tools\\zedez.exe\"";
    environment.files["C:\\Tools\\zedez.exe"] = 1;
    app.Load();
    EXPECT_TRUE(app.Options().IsOptionChecked(Item::Autorun));
    const std::size_t renderings = screen.captures.size();
    form.twipsPerPixelX = form.twipsPerPixelY = 8;
    app.OnScaleChanged();
    EXPECT_EQ(app.Twips().x, 8);
    EXPECT_EQ(app.Twips().y, 8);
    EXPECT_EQ(screen.captures.size(), renderings + 1);
}

}  // namespace
