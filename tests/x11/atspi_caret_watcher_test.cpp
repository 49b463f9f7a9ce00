// The caret watcher against real programs: run by tests/x11/atspi-run.sh, which gives them a
// screen, a window manager, a D-Bus session and the accessibility bus.
#include "x11/atspi_caret_watcher.h"

#include <dbus/dbus.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "x11/atspi_bus_probe.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Polls until `done` holds; false when `limit` passed first.
template <typename Condition>
bool WaitFor(Condition done, std::chrono::milliseconds limit = 15s) {
    const auto end = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

std::string Text(const std::optional<CaretInfo>& caret) {
    if (!caret) {
        return "nothing";
    }
    return std::to_string(caret->x) + "," + std::to_string(caret->top) + " height " +
           std::to_string(caret->height);
}

bool Near(const CaretInfo& seen, const std::optional<CaretInfo>& truth) {
    return truth && seen.height > 0 && std::abs(seen.x - truth->x) <= 2 &&
           std::abs(seen.top - truth->top) <= 2 && std::abs(seen.height - truth->height) <= 2;
}

void Xdotool(const std::string& arguments) {
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
}

// A program of the test's own, ended (woken first if stopped) when the test is done with it.
class Child {
  public:
    Child(std::vector<std::string> command, std::vector<std::string> extraEnvironment = {}) {
        int pipe[2];
        EXPECT_EQ(pipe2(pipe, O_CLOEXEC), 0);
        out_ = pipe[0];
        fcntl(out_, F_SETFL, O_NONBLOCK);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
        std::vector<char*> argv;
        for (std::string& word : command) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        std::vector<char*> envp(extraEnvironment.size());
        for (std::size_t i = 0; i < extraEnvironment.size(); ++i) {
            envp[i] = extraEnvironment[i].data();
        }
        for (char** variable = environ; *variable != nullptr; ++variable) {
            envp.push_back(*variable);
        }
        envp.push_back(nullptr);
        EXPECT_EQ(posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(pipe[1]);
    }
    ~Child() {
        kill(pid_, SIGCONT);
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        close(out_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void Signal(int number) const { kill(pid_, number); }
    // The lines printed since the last call.
    std::vector<std::string> NewLines() {
        char chunk[4096];
        for (ssize_t got; (got = read(out_, chunk, sizeof chunk)) > 0;) {
            pending_.append(chunk, static_cast<std::size_t>(got));
        }
        std::vector<std::string> lines;
        for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
            lines.push_back(pending_.substr(0, end));
            pending_.erase(0, end + 1);
        }
        return lines;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string pending_;
};

// A text view that says where its toolkit draws the caret: tests/x11/atspi_text_view.py for GTK
// ("gtk3", "gtk4"), tests/x11/qt_text_edit for Qt ("qt6").
class TextView {
  public:
    explicit TextView(const std::string& toolkit)
        : server_(xcb_connect(nullptr, nullptr)), child_(Command(toolkit), Environment(toolkit)) {
        EXPECT_TRUE(WaitFor([this] { return (Read(), ready_); })) << "the view never had focus";
    }
    ~TextView() { xcb_disconnect(server_); }

    void Signal(int number) const { child_.Signal(number); }
    // Where the toolkit last said it drew the caret, on the root.
    std::optional<CaretInfo> Caret() {
        Read();
        if (!caret_ || window_ == 0) {
            return caret_;
        }
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(server_)).data->root;
        xcb_generic_error_t* error = nullptr;
        xcb_translate_coordinates_reply_t* place = xcb_translate_coordinates_reply(
            server_,
            xcb_translate_coordinates(server_, window_, root, static_cast<std::int16_t>(caret_->x),
                                      static_cast<std::int16_t>(caret_->top)),
            &error);
        std::free(error);
        if (place == nullptr) {
            return std::nullopt;
        }
        const CaretInfo onRoot{place->dst_x, place->dst_y, caret_->height};
        std::free(place);
        return onRoot;
    }
    // Waits for the caret to move from `from`.
    std::optional<CaretInfo> CaretMovedFrom(const std::optional<CaretInfo>& from) {
        std::optional<CaretInfo> now;
        WaitFor([&] {
            now = Caret();
            return now && (!from || Text(now) != Text(from));
        });
        return now;
    }

  private:
    static std::vector<std::string> Command(const std::string& toolkit) {
#ifdef ZEDEZ_QT_TEXT_EDIT
        if (toolkit == "qt6") {
            return {ZEDEZ_QT_TEXT_EDIT};
        }
#endif
        return {"/usr/bin/python3",
                (std::filesystem::path(__FILE__).parent_path() / "atspi_text_view.py").string(),
                toolkit.substr(3)};
    }
    // GTK 3 speaks to the bus through ATK, GTK 4 through its own code; Qt only when asked to.
    static std::vector<std::string> Environment(const std::string& toolkit) {
        if (toolkit == "gtk3") {
            return {"GTK_A11Y=atk"};
        }
        if (toolkit == "qt6") {
            return {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"};
        }
        return {};
    }

    void Read() {
        for (const std::string& line : child_.NewLines()) {
            std::istringstream words(line);
            std::string word;
            CaretInfo caret;
            words >> word;
            if (word == "ready") {
                ready_ = true;
            } else if (word == "caret" &&
                       words >> caret.x >> caret.top >> caret.height >> window_) {
                caret_ = caret;
            }
        }
    }

    xcb_connection_t* server_;
    Child child_;
    bool ready_ = false;
    std::optional<CaretInfo> caret_;  // in the coordinates of window_ (0: the root)
    xcb_window_t window_ = 0;
};

// How many listeners the accessibility registry has for caret moves: what makes every
// accessible program send them.
int RegisteredCaretListeners() {
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* session = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
    const auto call = [&](DBusConnection* bus, const char* service, const char* path,
                          const char* interface, const char* method) {
        DBusMessage* ask = dbus_message_new_method_call(service, path, interface, method);
        DBusMessage* reply = dbus_connection_send_with_reply_and_block(bus, ask, 2000, &error);
        dbus_message_unref(ask);
        return reply;
    };
    DBusMessage* reply =
        call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress");
    const char* address = nullptr;
    int count = -1;
    if (reply != nullptr &&
        dbus_message_get_args(reply, &error, DBUS_TYPE_STRING, &address, DBUS_TYPE_INVALID)) {
        DBusConnection* bus = dbus_connection_open_private(address, &error);
        if (bus != nullptr && dbus_bus_register(bus, &error)) {
            DBusMessage* events = call(bus, "org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                                       "org.a11y.atspi.Registry", "GetRegisteredEvents");
            DBusMessageIter list;
            DBusMessageIter entry;
            if (events != nullptr && dbus_message_iter_init(events, &list)) {
                count = 0;
                for (dbus_message_iter_recurse(&list, &entry);
                     dbus_message_iter_get_arg_type(&entry) == DBUS_TYPE_STRUCT;
                     dbus_message_iter_next(&entry)) {
                    DBusMessageIter field;
                    const char* name = nullptr;
                    dbus_message_iter_recurse(&entry, &field);
                    dbus_message_iter_next(&field);
                    dbus_message_iter_get_basic(&field, &name);
                    count += std::string(name) == "Object:TextCaretMoved:";
                }
                dbus_message_unref(events);
            }
        }
        if (bus != nullptr) {
            dbus_connection_close(bus);
            dbus_connection_unref(bus);
        }
    }
    if (reply != nullptr) {
        dbus_message_unref(reply);
    }
    dbus_connection_close(session);
    dbus_connection_unref(session);
    dbus_error_free(&error);
    return count;
}

class AtspiCaretTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const auto why = WhyNoAccessibilityBus()) {
            GTEST_SKIP() << "run by tests/x11/atspi-run.sh: " << *why;
        }
        watcher.Start();
    }
    // Types into the focused window, then waits for the watcher to agree with the view.
    void ExpectFollowed(TextView& view, const std::string& keys) {
        const std::optional<CaretInfo> before = view.Caret();
        if (!keys.empty()) {
            Xdotool(keys);
        }
        const std::optional<CaretInfo> truth =
            view.CaretMovedFrom(keys.empty() ? std::nullopt : before);
        EXPECT_TRUE(WaitFor([&] { return Near(watcher.Latest(), truth); }))
            << "after '" << keys << "' the view drew its caret at " << Text(truth)
            << ", the watcher says " << Text(watcher.Latest());
    }

    AtspiCaretWatcher watcher;
};

class AtspiCaretToolkitTest : public AtspiCaretTest,
                              public ::testing::WithParamInterface<std::string> {};

TEST_P(AtspiCaretToolkitTest, FollowsTheCaretWhereTheToolkitDrawsItUntilFocusOrProgramGo) {
    auto view = std::make_unique<TextView>(GetParam());
    // The focus alone brings the caret (Qt places none in an empty text); then typing, a new
    // line at the end of the text, moves within it and to the end of a line before its end.
    for (const std::string keys : {"", "type --delay 40 hello", "key Return", "type --delay 40 ab",
                                   "key Up", "key End", "key ctrl+Home", "key ctrl+End"}) {
        if (!keys.empty() || GetParam() != "qt6") {
            ExpectFollowed(*view, keys);
        }
    }
    {
        Child other({"xmessage", "a window that has no text"});
        EXPECT_TRUE(WaitFor([&] { return watcher.Latest().height == 0; }))
            << "the focus left the text, but the caret stayed at " << Text(watcher.Latest());
    }
    EXPECT_TRUE(WaitFor([&] { return Near(watcher.Latest(), view->Caret()); }))
        << "the focus came back: " << Text(watcher.Latest());
    view.reset();
    EXPECT_TRUE(WaitFor([&] { return watcher.Latest().height == 0; }))
        << "the program ended, but the caret stayed at " << Text(watcher.Latest());
}

INSTANTIATE_TEST_SUITE_P(Toolkits, AtspiCaretToolkitTest,
                         ::testing::Values("gtk3", "gtk4"
#ifdef ZEDEZ_QT_TEXT_EDIT
                                           ,
                                           "qt6"
#endif
                                           ),
                         [](const auto& toolkit) { return toolkit.param; });

TEST_F(AtspiCaretTest, AProgramThatStopsAnsweringHoldsUpNeitherTheReaderNorTheWatcher) {
    TextView stopped("gtk3");
    ExpectFollowed(stopped, "type --delay 40 abc");
    const CaretInfo last = watcher.Latest();
    stopped.Signal(SIGSTOP);
    // The watcher's calls to it now time out; the reader keeps the last caret, at once.
    auto slowest = Clock::duration::zero();
    for (const auto end = Clock::now() + 1500ms; Clock::now() < end;) {
        const auto begun = Clock::now();
        const CaretInfo caret = watcher.Latest();
        slowest = std::max(slowest, Clock::now() - begun);
        ASSERT_EQ(Text(caret), Text(last));
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_LT(slowest, 1s);
    // And the watcher is free for the next program.
    TextView next("gtk3");
    ExpectFollowed(next, "type --delay 40 xyz");
}

TEST_F(AtspiCaretTest, StopDeregistersAndStartListensAgain) {
    TextView view("gtk3");
    ExpectFollowed(view, "type --delay 40 ab");
    EXPECT_EQ(RegisteredCaretListeners(), 1);
    watcher.Stop();
    EXPECT_TRUE(WaitFor([&] { return RegisteredCaretListeners() == 0; }));
    EXPECT_EQ(watcher.Latest().height, 0);
    Xdotool("type --delay 40 cd");
    view.CaretMovedFrom(std::nullopt);
    EXPECT_FALSE(WaitFor([&] { return watcher.Latest().height != 0; }, 500ms))
        << "stopped, yet it follows: " << Text(watcher.Latest());
    watcher.Start();
    EXPECT_TRUE(WaitFor([&] { return RegisteredCaretListeners() == 1; }));
    ExpectFollowed(view, "type --delay 40 e");
}

TEST(AtspiCaretNoBus, StartsAtOnceLaunchesNothingAndHasNoCaretWithoutASessionBus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, libatspi unused
    EXPECT_EXIT(
        {
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
            unsetenv("AT_SPI_BUS_ADDRESS");
            const auto begun = Clock::now();
            bool none = false;
            {
                AtspiCaretWatcher watcher;
                watcher.Start();
                none = watcher.Latest().height == 0;
            }
            std::exit(none && Clock::now() - begun < 5s ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "No text caret to follow: there is no session bus \\(DBUS_SESSION_BUS_ADDRESS is not "
        "set\\)\\.\n$");
}

}  // namespace
