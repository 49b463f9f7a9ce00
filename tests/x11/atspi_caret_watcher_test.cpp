// The caret watcher against real programs, in the desktop tests/x11/atspi-run.sh gives them.
#include "x11/atspi_caret_watcher.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "wait_for.h"
#include "x11/atspi_bus_probe.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string Text(const CaretInfo& caret) {
    return std::to_string(caret.x) + "," + std::to_string(caret.top) + " height " +
           std::to_string(caret.height);
}

bool Near(const CaretInfo& seen, const CaretInfo& truth) {
    return seen.height > 0 && std::abs(seen.x - truth.x) <= 2 &&
           std::abs(seen.top - truth.top) <= 2 && std::abs(seen.height - truth.height) <= 2;
}

// The number a shell command prints; -1 when it prints none.
int NumberFrom(const std::string& command) {
    FILE* out = popen(command.c_str(), "re");
    int number = -1;
    EXPECT_EQ(std::fscanf(out, "%d", &number), 1) << command;
    pclose(out);
    return number;
}

// How many listeners for caret moves the accessibility registry knows: what makes every
// accessible program send them.
int RegisteredCaretListeners() {
    return NumberFrom(
        "gdbus call --address \"$(gdbus call --session --dest org.a11y.Bus --object-path "
        "/org/a11y/bus --method org.a11y.Bus.GetAddress | cut -d\\' -f2)\" --dest "
        "org.a11y.atspi.Registry --object-path /org/a11y/atspi/registry --method "
        "org.a11y.atspi.Registry.GetRegisteredEvents | grep -o Object:TextCaretMoved: | wc -l");
}

// A text view of atspi_text_view.py (GTK) or qt_text_edit (Qt): "ready PID", then "caret X Y H".
class View {
  public:
    explicit View(const std::string& toolkit) : out_(popen(Command(toolkit).c_str(), "re")) {
        fcntl(fileno(out_), F_SETFL, O_NONBLOCK);
        EXPECT_TRUE(WaitFor([this] { return (Read(), pid_ > 0); })) << toolkit << ": no focus";
    }
    ~View() {
        Signal(SIGCONT);
        Signal(SIGKILL);
        pclose(out_);
    }

    void Signal(int number) const {
        if (pid_ > 0) {  // never 0: that would signal this test's own process group
            kill(pid_, number);
        }
    }
    CaretInfo Caret() { return (Read(), caret_); }
    CaretInfo CaretMovedFrom(const CaretInfo& from) {
        WaitFor([&] { return (Read(), caret_.height > 0 && Text(caret_) != Text(from)); });
        return caret_;
    }

  private:
    // GTK 3 speaks to the bus through ATK, GTK 4 through its own code, Qt only when told to.
    static std::string Command(const std::string& toolkit) {
        const auto script = std::filesystem::path(__FILE__).parent_path() / "atspi_text_view.py";
        return toolkit == "qt6"
                   ? "exec env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 " ZEDEZ_QT_TEXT_EDIT
                   : "exec env " + std::string(toolkit == "gtk3" ? "GTK_A11Y=atk " : "") +
                         "/usr/bin/python3 " + script.string() + " " + toolkit.substr(3);
    }
    void Read() {
        char line[128];
        while (std::fgets(line, sizeof line, out_) != nullptr) {
            std::sscanf(line, "ready %d", &pid_);
            std::sscanf(line, "caret %d %d %d", &caret_.x, &caret_.top, &caret_.height);
        }
        std::clearerr(out_);  // no more for now
    }

    FILE* out_;
    pid_t pid_ = 0;
    CaretInfo caret_;
};

class AtspiCaretTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const auto why = WhyNoAccessibilityBus()) {
            GTEST_SKIP() << "run by tests/x11/atspi-run.sh: " << *why;
        }
        watcher.Start();
    }
    // Sends keys to the focused window, then waits for the watcher to agree with the view.
    void ExpectFollowed(View& view, const std::string& keys) {
        const CaretInfo before = keys.empty() ? CaretInfo{} : view.Caret();
        ASSERT_TRUE(keys.empty() || std::system(("xdotool " + keys).c_str()) == 0) << keys;
        const CaretInfo truth = view.CaretMovedFrom(before);
        EXPECT_TRUE(WaitFor([&] { return Near(watcher.Latest(), truth); }))
            << "after '" << keys << "' the view drew its caret at " << Text(truth)
            << ", the watcher says " << Text(watcher.Latest());
    }

    AtspiCaretWatcher watcher;
};

class AtspiCaretToolkitTest : public AtspiCaretTest,
                              public ::testing::WithParamInterface<std::string> {};

TEST_P(AtspiCaretToolkitTest, FollowsTheCaretWhereTheToolkitDrawsItUntilFocusOrProgramGo) {
    auto view = std::make_unique<View>(GetParam());
    // The focus alone brings the caret (Qt places none in an empty text); then typing, a new
    // line at the end of the text, moves within it and to the end of a line before its end.
    for (const std::string keys : {"", "type --delay 40 hello", "key Return", "type --delay 40 ab",
                                   "key Up", "key End", "key ctrl+Home", "key ctrl+End"}) {
        if (!keys.empty() || GetParam() != "qt6") {
            ExpectFollowed(*view, keys);
        }
    }
    const int otherPid = NumberFrom("xmessage 'no text here' >/dev/null 2>&1 & echo $!");
    ASSERT_GT(otherPid, 0);  // never 0 or -1: that would signal this test's process group, or all
    EXPECT_TRUE(WaitFor([&] { return watcher.Latest().height == 0; }))
        << "the focus went to a window without text: " << Text(watcher.Latest());
    kill(otherPid, SIGTERM);
    EXPECT_TRUE(WaitFor([&] { return Near(watcher.Latest(), view->Caret()); }))
        << "the focus came back: " << Text(watcher.Latest());
    view.reset();
    EXPECT_TRUE(WaitFor([&] { return watcher.Latest().height == 0; }))
        << "the program ended: " << Text(watcher.Latest());
}

INSTANTIATE_TEST_SUITE_P(Toolkits, AtspiCaretToolkitTest, ::testing::Values("gtk3", "gtk4", "qt6"),
                         [](const auto& toolkit) { return toolkit.param; });

// A program that stops answering holds up neither the reader nor the watcher, which follows the
// next one; Stop deregisters the watcher's listener and Start registers it again.
TEST_F(AtspiCaretTest, AStoppedProgramHoldsUpNothingAndStopAndStartListenAgain) {
    View stopped("gtk3");
    ExpectFollowed(stopped, "type --delay 40 abc");
    const CaretInfo last = watcher.Latest();
    stopped.Signal(SIGSTOP);
    // The watcher's calls to it time out, its polls among them; the reader keeps the last caret.
    for (const auto end = Clock::now() + 1500ms; Clock::now() < end;) {
        ASSERT_EQ(Text(watcher.Latest()), Text(last));
        std::this_thread::sleep_for(10ms);
    }
    View next("gtk3");
    ExpectFollowed(next, "type --delay 40 xyz");
    EXPECT_EQ(RegisteredCaretListeners(), 1);
    watcher.Stop();
    EXPECT_TRUE(
        WaitFor([&] { return watcher.Latest().height == 0 && RegisteredCaretListeners() == 0; }));
    watcher.Start();
    EXPECT_TRUE(WaitFor([&] { return RegisteredCaretListeners() == 1; }));
    ExpectFollowed(next, "type --delay 40 e");
}

TEST(AtspiCaretNoBus, StartsAtOnceLaunchesNothingAndHasNoCaretWithoutASessionBus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, libatspi unused
    const auto withoutBus = [] {
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
        unsetenv("AT_SPI_BUS_ADDRESS");
        const auto begun = Clock::now();
        const auto watcher = std::make_unique<AtspiCaretWatcher>();
        watcher->Start();
        return watcher->Latest().height == 0 && Clock::now() - begun < 5s;
    };
    EXPECT_EXIT(std::exit(withoutBus() ? 0 : 1), ::testing::ExitedWithCode(0),
                "No text caret to follow: there is no session bus \\(DBUS_SESSION_BUS_ADDRESS is "
                "not set\\)\\.\n$");
}

}  // namespace
