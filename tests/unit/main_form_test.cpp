#include "app/main_form.h"

#include <gtest/gtest.h>

#include "doubles/fake_input_devices.h"
#include "doubles/fake_screen_capture.h"
#include "doubles/framed_form_window.h"
#include "doubles/memory_settings_store.h"

namespace {

class MainFormTest : public ::testing::Test {
  protected:
    FramedFormWindow form;
    FakeInputDevices input;
    FakeScreenCapture screen;
    MemorySettingsStore settings;
    MainForm app{form, input, screen, settings, ","};

    void SetUp() override {
        form.onResize = [this] { app.OnResize(); };
    }
};

TEST_F(MainFormTest, StartsWithTheStoredRectangleZoomAndFont) {
    settings.Set("Window.Left", "100");
    settings.Set("Window.Top", "50");
    settings.Set("Window.Width", "300");
    settings.Set("Set.Zoom", "400");
    app.Load();
    EXPECT_EQ(form.left, 1500);
    EXPECT_EQ(form.top, 750);
    EXPECT_EQ(form.width, 4500);
    EXPECT_EQ(form.height, 1920);
    EXPECT_EQ(app.ZoomFactor(), 4.0f);
    EXPECT_TRUE(app.Options().IsOptionChecked(400));
    EXPECT_FALSE(app.Options().IsOptionChecked(100));
    EXPECT_EQ(form.caption, "Ridoduvuzi Zedez");
    EXPECT_EQ(form.surface.fontName, "Tahoma");
    EXPECT_EQ(form.surface.fontSize, 7);
    EXPECT_TRUE(form.surface.fontBold);
    EXPECT_TRUE(form.shown);
    EXPECT_EQ(app.MeasuringLine().X2, form.scaleWidth / 2);
}

TEST_F(MainFormTest, ATooSmallStoredWindowIsLaidOutAtTheMinimum) {
    settings.Set("Window.Width", "0");
    settings.Set("Window.Height", "word");
    app.Load();
    EXPECT_EQ(form.width, 1920);
    EXPECT_EQ(form.height, 960);
}

TEST_F(MainFormTest, AStoredZoomThatIsNoItemStillScalesTheView) {
    settings.Set("Set.Zoom", "150");
    app.Load();
    EXPECT_EQ(app.ZoomFactor(), 1.5f);
    for (const std::int16_t zoom : {10, 25, 50, 75, 90, 100, 200, 400, 800, 1600}) {
        EXPECT_FALSE(app.Options().IsOptionChecked(zoom)) << zoom;
    }
}

TEST_F(MainFormTest, TheSlowTimerForcesARenderingOnlyWithAutoRefresh) {
    app.Load();
    input.pointer = {300, 200};
    app.OnTimer1();
    const std::size_t afterFirst = screen.captures.size();
    ASSERT_EQ(afterFirst, 1u);
    app.OnTimer1();
    EXPECT_EQ(screen.captures.size(), afterFirst);
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), afterFirst + 1);
    app.Options().SetChecked(Item::AutoRefresh, false);
    app.OnTimer2();
    EXPECT_EQ(screen.captures.size(), afterFirst + 1);
}

TEST_F(MainFormTest, RendersAtTheZoomAndWithTheCursorOption) {
    settings.Set("Set.ShowCursor", "0");
    app.Load();
    input.pointer = {300, 200};
    app.OnTimer1();
    ASSERT_EQ(screen.captures.size(), 1u);
    EXPECT_FALSE(screen.captures[0].withCursor);
    // Zoom 200: the capture is half the inner area, centred on the pointer.
    EXPECT_EQ(screen.captures[0].area.width * 2, static_cast<int>(form.scaleWidth / 15));
    EXPECT_NE(form.picture, nullptr);
}

TEST_F(MainFormTest, UnloadStopsTheTimers) {
    app.Load();
    app.OnUnload();
    EXPECT_TRUE(form.timersStopped);
}

}  // namespace
