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

std::set<int> CheckedOptions(const OptionTable& table) {
    std::set<int> checked;
    for (const OptionItem& item : table.Items()) {
        if (item.checked && item.index >= 7000) {
            checked.insert(item.index);
        }
    }
    return checked;
}

TEST(MnuClick, DecidesByTheIndexAlone) {
    struct Case {
        std::vector<int> checkedBefore;  // besides the creation state
        int index;
        std::vector<int> toggledOn, toggledOff;
        std::vector<std::string> log;
    } const cases[] = {
        {{}, 400, {}, {}, {"zoom 400"}},
        {{}, 100, {}, {}, {"zoom 100"}},  // the checked zoom is picked again, not toggled
        {{}, 1999, {}, {}, {"zoom 1999"}},
        {{}, 7010, {}, {7010}, {}},
        {{}, 7020, {}, {7020}, {}},  // the caret stays followed
        {{}, 7030, {}, {7030}, {}},
        {{}, 7035, {}, {7035}, {}},
        {{}, 7040, {}, {7040}, {"line off", "refresh"}},
        {{}, 7050, {7050}, {}, {"refresh"}},
        {{}, 7060, {7060}, {}, {"refresh"}},
        {{7060}, 7065, {7065}, {}, {"refresh"}},  // hex and decimal may both show
        {{7075}, 7070, {7070}, {7075}, {"refresh"}},
        {{7070}, 7070, {}, {7070}, {"refresh"}},  // neither is left
        {{7070}, 7075, {7075}, {7070}, {"refresh"}},
        {{}, 8010, {}, {8010}, {"ontop off"}},
        {{}, 8020, {8020}, {}, {"autorun on"}},
        {{}, 9990, {}, {}, {"about"}},
        {{}, 9999, {}, {}, {"unload"}},
        {{}, 0, {}, {}, {}},
        {{}, -5, {}, {}, {}},
        {{}, 2000, {}, {}, {}},
        {{}, 7000, {}, {}, {}},
        {{}, 8000, {}, {}, {}},
        {{}, 9000, {}, {}, {}},
        {{}, 7011, {}, {}, {}},
    };
    for (const Case& c : cases) {
        RecordingTarget target;
        for (const int index : c.checkedBefore) {
            target.options.SetChecked(static_cast<std::int16_t>(index), true);
        }
        std::set<int> expected = CheckedOptions(target.options);
        expected.insert(c.toggledOn.begin(), c.toggledOn.end());
        for (const int index : c.toggledOff) {
            expected.erase(index);
        }
        Mnu_Click(target, static_cast<std::int16_t>(c.index));
        EXPECT_EQ(CheckedOptions(target.options), expected) << c.index;
        EXPECT_EQ(target.log, c.log) << c.index;
    }
}

TEST(MnuClick, CentreLinesShowTheMeasuringLineWhenTurnedOn) {
    RecordingTarget target;
    Mnu_Click(target, Item::ShowLines);
    Mnu_Click(target, Item::ShowLines);
    EXPECT_EQ(target.log, (std::vector<std::string>{"line off", "refresh", "line on", "refresh"}));
}

TEST(Input, ShiftStateAndCodeMustMatchWhole) {
    using A = InputAction;
    struct Case {
        bool mouse;
        int code, shift;
        InputAction action;
    } const cases[] = {
        {true, 1, 0, A::DragWindow},
        {true, 2, 0, A::MenuAtPointer},
        {true, 4, 0, A::None},
        {true, 3, 0, A::None},
        {true, 1, 1, A::None},
        {true, 1, 4, A::None},
        {true, 2, 2, A::None},
        {false, 112, 0, A::MenuFromKeyboard},
        {false, 93, 0, A::MenuFromKeyboard},
        {false, 112, 1, A::None},
        {false, 93, 2, A::None},
        {false, 115, 4, A::Unload},
        {false, 115, 0, A::None},
        {false, 115, 2, A::None},
        {false, 115, 5, A::None},
        {false, 113, 0, A::None},
    };
    for (const Case& c : cases) {
        const A action =
            c.mouse ? MouseDownAction(c.code, c.shift) : KeyDownAction(c.code, c.shift);
        EXPECT_EQ(action, c.action)
            << (c.mouse ? "button " : "key ") << c.code << " shift " << c.shift;
    }
}

}  // namespace
