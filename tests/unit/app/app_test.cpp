#include <gtest/gtest.h>

#include <string>

#include "app/commands.h"
#include "app/input.h"
#include "app/main_form.h"
#include "app/view_renderer.h"
#include "base/rounding.h"
#include "core/angles.h"
#include "doubles/fake_form_window.h"
#include "doubles/fake_system.h"
#include "ports/input_codes.h"

namespace {

// Logs what the dispatch sets off, in order, then the options changed against a new table.
class RecordingTarget : public CommandTarget {
  public:
    OptionTable options;
    std::string log;

    OptionTable& Options() override { return options; }
    void SelectZoom(std::int16_t zoom) override { log += "zoom " + std::to_string(zoom) + ", "; }
    void ForceRefresh() override { log += "refresh, "; }
    void ShowMeasuringLine(bool v) override { log += v ? "line on, " : "line off, "; }
    void KeepPointerColor() override { log += "color kept, "; }
    void WatchCaret(bool on) override { log += on ? "caret on, " : "caret off, "; }
    void SetOnTop(bool on) override { log += on ? "ontop on, " : "ontop off, "; }
    void SetAutorun(bool on) override { log += on ? "autorun on, " : "autorun off, "; }
    void ShowAbout() override { log += "about, "; }
    void Close() override { log += "close, "; }
    std::string Picked(int before, int index) {
        options.SetChecked(before, !options.IsOptionChecked(before));
        log.clear();
        DispatchMenuItem(*this, index);
        const OptionTable fresh;
        for (std::size_t i = 0; i < fresh.Items().size(); ++i) {
            const OptionItem& item = options.Items()[i];
            if (item.checked != fresh.Items()[i].checked && item.index > Item::LastZoom) {
                log += (item.checked ? "+" : "-") + std::to_string(item.index) + " ";
            }
        }
        return log;
    }
};

// Each pick on a new table, after toggling `before` (0: nothing) from its state at creation,
// where 7010, 7020, 7030, 7035, 7040 and 8010 are checked.
TEST(MenuPick, DecidesByTheIndexAlone) {
    using namespace Item;
    // clang-format off
    const struct { int before, index; const char* expected; } cases[] = {
        {0, 400, "zoom 400, "}, {0, 100, "zoom 100, "},  // picked again: no toggle
        {0, AutoRefresh, "-7010 "}, {0, FollowMouse, "color kept, -7020 "}, {FollowMouse, FollowMouse, ""},
        {0, FollowText, "caret off, -7030 "}, {FollowText, FollowText, "caret on, "},
        {0, ShowMouseCursor, "-7035 "}, {0, ShowLines, "line off, refresh, -7040 "},
        {ShowLines, ShowLines, "line on, refresh, "}, {0, ShowCoordinates, "refresh, +7050 "},
        {ShowColorsHex, ShowColorsDec, "refresh, +7060 +7065 "}, {ShowColorsCMYK, ShowColorsCMY, "refresh, +7070 "},
        {ShowColorsCMY, ShowColorsCMY, "refresh, "},  // neither is left
        {ShowColorsCMY, ShowColorsCMYK, "refresh, +7075 "}, {0, OnTop, "ontop off, -8010 "},
        {0, Autorun, "autorun on, +8020 "}, {0, About, "about, "}, {0, Close, "close, "}, {0, 0, ""},
        {0, -5, ""}, {0, LastZoom + 1, ""}, {0, OptionsSeparator, ""}, {0, WindowSeparator, ""},
        {0, CommandsSeparator, ""}, {0, AutoRefresh + 1, ""}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(RecordingTarget().Picked(c.before, c.index), c.expected) << c.index;
    }
}

// Modifiers and code compare whole: a combination counts only with no other modifier held.
TEST(Input, ModifiersAndCodeMustMatchWhole) {
    using enum InputAction;
    const auto L = Buttons::Left, R = Buttons::Right, M = Buttons::Middle;
    const auto Free = Modifiers::NoModifier, Shift = Modifiers::Shift, Ctrl = Modifiers::Ctrl,
               Alt = Modifiers::Alt;
    // clang-format off
    const struct { Buttons button; Modifiers held; InputAction action; } presses[] = {
        {L, Free, DragWindow}, {R, Free, MenuAtPointer}, {M, Free, None}, {L | R, Free, None},
        {L, Shift, None}, {L, Alt, None}, {R, Ctrl, None}};
    const struct { Key key; Modifiers held; InputAction action; } keys[] = {
        {Key::F1, Free, MenuFromKeyboard}, {Key::ContextMenu, Free, MenuFromKeyboard}, {Key::F1, Shift, None},
        {Key::ContextMenu, Ctrl, None}, {Key::F4, Alt, Close}, {Key::F4, Free, None}, {Key::F4, Ctrl, None},
        {Key::F4, Alt | Shift, None}, {Key::Other, Free, None}};
    // clang-format on
    for (const auto& c : presses) {
        EXPECT_EQ(MouseDownAction(c.button, c.held), c.action) << static_cast<int>(c.button);
    }
    for (const auto& c : keys) {
        EXPECT_EQ(KeyDownAction(c.key, c.held), c.action) << static_cast<int>(c.key);
    }
}

constexpr StretchMode CoC = StretchMode::Blocks, Avg = StretchMode::Average;

// The view, twips per pixel, focus and zoom, whether the capture fails; then what is captured
// (width 0: nothing) and the picture shown (width 0: none).
TEST(RenderView, CapturesAroundTheFocusScalesAndShows) {
    // clang-format off
    const struct { const char* name; PixelSize client; std::int32_t twips; ScreenPoint focus; float zoom;
                   int failCapture; PixelRect captured; int width, height; StretchMode mode; } cases[] = {
        {"zoom 2", {300, 200}, 15, {500, 400}, 2, 0, {425, 350, 150, 100}, 300, 200, CoC},
        {"zoom 0.1", {300, 200}, 15, {500, 400}, 0.1f, 0, {-1000, -600, 3000, 2000}, 300, 200, Avg},
        {"zoom 16", {300, 200}, 15, {500, 400}, 16, 0, {491, 394, 19, 13}, 304, 208, CoC},
        // Left -7.5 twips keeps its half (pixel 0, even); top -7.5 rounds to -8 twips (pixel -1).
        {"halves", {4, 4}, 15, {0, 0}, 4, 0, {0, -1, 1, 1}, 4, 4, CoC},
        // At one twip a pixel: top -501.25, width 1000.5 and height 1002.5 go to the even
        // neighbour, and a picture of 2.5 pixels to 2.
        {"halves to even", {4002, 4010}, 1, {0, 0}, 4, 0, {-500, -501, 1000, 1002}, 4000, 4008, CoC},
        {"picture to even", {3, 3}, 1, {0, 0}, 2.5f, 0, {-1, -1, 1, 1}, 2, 2, CoC},
        {"zero", {300, 200}, 15, {500, 400}, 0, 0, {-149500, -99600, 300000, 200000}, 300, 200, Avg},
        {"capture fails", {300, 200}, 15, {500, 400}, 2, 1, {425, 350, 150, 100}, 0, 0, CoC},
        {"empty view", {0, 200}, 15, {500, 400}, 2, 0, {}, 0, 0, CoC},
        // 15 twips high at 1600% captures one twip, a fifteenth of a pixel.
        {"no pixel", {300, 1}, 15, {500, 400}, 16, 0, {}, 0, 0, CoC},
        {"beyond int32", {300, 200}, 15, {143165577, 0}, 2, 0, {}, 0, 0, CoC}};
    // clang-format on
    bool cursor = false;
    for (const auto& c : cases) {
        FakeFormWindow form;
        form.client = c.client;
        FakeScreenCapture screen;
        screen.failCapture = c.failCapture != 0;
        cursor = !cursor;
        RenderFocusArea(form, screen, c.focus, c.zoom, c.twips, cursor);

        SCOPED_TRACE(c.name);
        using Calls = std::vector<FakeScreenCapture::CaptureCall>;
        EXPECT_EQ(screen.captures, (c.captured.width > 0 ? Calls{{c.captured, cursor}} : Calls{}));
        using Shown = FakeFormWindow::ShownPicture;
        const Shown expected{c.captured.width, c.captured.height, c.width, c.height, c.mode};
        EXPECT_EQ(form.picture ? *form.picture : Shown{}, c.width > 0 ? expected : Shown{});
        EXPECT_EQ(form.pictureChanges, c.width > 0 ? 1 : 0);
    }
}

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
    EXPECT_EQ(reads,
              "Left Top Width Height AutoRefresh FollowMouse FollowText ShowCursor ShowLines "
              "ShowCoordinates ShowColorsHex ShowColorsDec ShowColorsCMY ShowColorsCMYK OnTop "
              "asked Zoom ");
    EXPECT_EQ(form.log, (std::vector<std::string>{"onto work area", "caption Ridoduvuzi Zedez",
                                                  "place 600 32 128 64 topmost", "show"}));
    // The menu from the keyboard opens centred on the window's outer top-left corner.
    app.OnKeyDown(Key::F1, Modifiers::NoModifier);
    EXPECT_EQ(menu.shown, "600,32 centred ");

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

// A window stored on a monitor of 150 % opens at its stored size, whatever the system suggests as
// the start-up move takes it there; dragged there by the user, it takes the suggested rectangle.
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
