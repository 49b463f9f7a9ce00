#include "app/commands.h"

#include <gtest/gtest.h>

#include <string>

#include "app/input.h"
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
        {ShowColorsHex, ShowColorsDec, "refresh, +7060 +7065 "},
        {ShowColorsCMYK, ShowColorsCMY, "refresh, +7070 "},
        {ShowColorsCMY, ShowColorsCMY, "refresh, "},  // neither is left
        {ShowColorsCMY, ShowColorsCMYK, "refresh, +7075 "}, {0, OnTop, "ontop off, -8010 "},
        {0, Autorun, "autorun on, +8020 "}, {0, About, "about, "}, {0, Close, "close, "},
        {0, 0, ""}, {0, -5, ""}, {0, LastZoom + 1, ""}, {0, OptionsSeparator, ""},
        {0, WindowSeparator, ""}, {0, CommandsSeparator, ""}, {0, AutoRefresh + 1, ""}};
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
        {Key::F1, Free, MenuFromKeyboard}, {Key::ContextMenu, Free, MenuFromKeyboard},
        {Key::F1, Shift, None}, {Key::ContextMenu, Ctrl, None}, {Key::F4, Alt, Close},
        {Key::F4, Free, None}, {Key::F4, Ctrl, None}, {Key::F4, Alt | Shift, None},
        {Key::Other, Free, None}};
    // clang-format on
    for (const auto& c : presses) {
        EXPECT_EQ(MouseDownAction(c.button, c.held), c.action) << static_cast<int>(c.button);
    }
    for (const auto& c : keys) {
        EXPECT_EQ(KeyDownAction(c.key, c.held), c.action) << static_cast<int>(c.key);
    }
}

}  // namespace
