#include "window/commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "window/input.h"

namespace {

// Logs what the dispatch sets off, in order.
class RecordingTarget : public CommandTarget {
  public:
    OptionTable options;
    std::vector<std::string> log;

    OptionTable& Options() override { return options; }
    void SelectZoom(std::int16_t zoom) override { log.push_back("zoom " + std::to_string(zoom)); }
    void ForceRefresh() override { log.push_back("refresh"); }
    void ShowMeasuringLine(bool v) override { log.push_back(v ? "line on" : "line off"); }
    void SetOnTop(bool on) override { log.push_back(on ? "ontop on" : "ontop off"); }
    void SetAutorun(bool on) override { log.push_back(on ? "autorun on" : "autorun off"); }
    void ShowAbout() override { log.push_back("about"); }
    void Unload() override { log.push_back("unload"); }
};

std::set<int> Checked(const OptionTable& table) {
    std::set<int> checked;
    for (const OptionItem& item : table.Items()) {
        if (item.checked && item.index >= 7000) {
            checked.insert(item.index);
        }
    }
    return checked;
}

TEST(MnuClick, DecidesByTheIndexAlone) {
    // Options checked at creation: 7010, 7020, 7030, 7035, 7040, 8010.
    struct Case {
        int before;  // checked first, besides the creation state (0: none)
        int index;
        std::set<int> after;  // checked options afterwards
        std::vector<std::string> log;
    } const cases[] = {
        // clang-format off
        {0, 400, {7010, 7020, 7030, 7035, 7040, 8010}, {"zoom 400"}},
        {0, 100, {7010, 7020, 7030, 7035, 7040, 8010}, {"zoom 100"}},  // picked again: no toggle
        {0, 7010, {7020, 7030, 7035, 7040, 8010}, {}},
        {0, 7020, {7010, 7030, 7035, 7040, 8010}, {}},  // the caret stays followed
        {0, 7035, {7010, 7020, 7030, 7040, 8010}, {}},
        {0, 7040, {7010, 7020, 7030, 7035, 8010}, {"line off", "refresh"}},
        {0, 7050, {7010, 7020, 7030, 7035, 7040, 7050, 8010}, {"refresh"}},
        {7060, 7065, {7010, 7020, 7030, 7035, 7040, 7060, 7065, 8010}, {"refresh"}},
        {7075, 7070, {7010, 7020, 7030, 7035, 7040, 7070, 8010}, {"refresh"}},
        {7070, 7070, {7010, 7020, 7030, 7035, 7040, 8010}, {"refresh"}},  // neither is left
        {7070, 7075, {7010, 7020, 7030, 7035, 7040, 7075, 8010}, {"refresh"}},
        {0, 8010, {7010, 7020, 7030, 7035, 7040}, {"ontop off"}},
        {0, 8020, {7010, 7020, 7030, 7035, 7040, 8010, 8020}, {"autorun on"}},
        {0, 9990, {7010, 7020, 7030, 7035, 7040, 8010}, {"about"}},
        {0, 9999, {7010, 7020, 7030, 7035, 7040, 8010}, {"unload"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        RecordingTarget target;
        target.options.SetChecked(static_cast<std::int16_t>(c.before), true);
        Mnu_Click(target, static_cast<std::int16_t>(c.index));
        EXPECT_EQ(Checked(target.options), c.after) << c.index;
        EXPECT_EQ(target.log, c.log) << c.index;
    }
    for (const int nothing : {0, -5, 2000, 7000, 8000, 9000, 7011}) {
        RecordingTarget target;
        Mnu_Click(target, static_cast<std::int16_t>(nothing));
        EXPECT_EQ(Checked(target.options), Checked(OptionTable())) << nothing;
        EXPECT_TRUE(target.log.empty()) << nothing;
    }
    RecordingTarget target;  // turned on, the centre lines show the measuring line first
    target.options.SetChecked(Item::ShowLines, false);
    Mnu_Click(target, Item::ShowLines);
    EXPECT_EQ(target.log, (std::vector<std::string>{"line on", "refresh"}));
}

TEST(Input, ShiftStateAndCodeMustMatchWhole) {
    using A = InputAction;
    const struct {
        bool mouse;
        int code, shift;
        InputAction action;
    } cases[] = {
        // clang-format off
        {true, 1, 0, A::DragWindow}, {true, 2, 0, A::MenuAtPointer}, {true, 4, 0, A::None},
        {true, 3, 0, A::None}, {true, 1, 1, A::None}, {true, 1, 4, A::None}, {true, 2, 2, A::None},
        {false, 112, 0, A::MenuFromKeyboard}, {false, 93, 0, A::MenuFromKeyboard},
        {false, 112, 1, A::None}, {false, 93, 2, A::None}, {false, 115, 4, A::Unload},
        {false, 115, 0, A::None}, {false, 115, 2, A::None}, {false, 115, 5, A::None},
        {false, 113, 0, A::None},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.mouse ? MouseDownAction(c.code, c.shift) : KeyDownAction(c.code, c.shift),
                  c.action)
            << c.code << " shift " << c.shift;
    }
}

}  // namespace
