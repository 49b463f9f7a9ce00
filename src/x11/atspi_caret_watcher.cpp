#include "x11/atspi_caret_watcher.h"

#include <atomic>
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include "x11/atspi_bus_probe.h"
#include "x11/atspi_caret_follower.h"
#include "x11/atspi_owners.h"
#include "x11/posix_caret_mailbox.h"

namespace {

// Every call into another program gives up after this long. No longer allowance for programs
// that are starting up (0): a slow starter is asked again at the next event or poll.
constexpr gint kCallTimeoutMs = 200;
constexpr gint kStartupAllowanceMs = 0;

// libatspi keeps one connection per process, made once (after atspi_exit() it would not know the
// programs it knew again), and is not thread-safe: one watcher at a time has a thread for it, and
// that thread runs it on this one context.
std::atomic<bool> libraryTaken{false};
bool libraryConnected = false;  // touched only by the thread of the watcher that took it

GMainContext* LibraryContext() {
    static const MainContextPtr context(g_main_context_new());
    return context.get();
}

void Post(GSourceFunc function, gpointer data) {
    GSource* source = g_idle_source_new();
    g_source_set_callback(source, function, data, nullptr);
    g_source_attach(source, LibraryContext());
    g_source_unref(source);
}

}  // namespace

struct AtspiCaretWatcher::Thread {
    CaretMailbox mailbox;
    std::atomic<bool> wanted{false};
    MainLoopPtr loop{g_main_loop_new(LibraryContext(), FALSE)};
    std::unique_ptr<CaretFollower> follower;  // on the thread only; none without a bus
    std::thread worker;

    void Run();
    std::optional<std::string> Connect();
    static gboolean OnWanted(gpointer self) {
        auto* thread = static_cast<Thread*>(self);
        if (thread->follower) {
            thread->follower->Listen(thread->wanted);
        }
        return G_SOURCE_REMOVE;
    }
    static gboolean OnQuit(gpointer self) {
        g_main_loop_quit(static_cast<Thread*>(self)->loop.get());
        return G_SOURCE_REMOVE;
    }
};

std::optional<std::string> AtspiCaretWatcher::Thread::Connect() {
    if (!libraryConnected) {
        if (auto why = WhyNoAccessibilityBus()) {
            return why;
        }
        // atspi_init() hands the connection to the process's default context, which another
        // thread (the toolkit's) may run, until atspi_set_main_context() takes it here.
        // Connecting first leaves only a few quick requests to the bus in that window.
        if (atspi_get_a11y_bus() == nullptr || atspi_init() != 0) {
            atspi_exit();  // so that a later watcher may try again
            return "the accessibility bus did not accept a connection";
        }
        atspi_set_main_context(LibraryContext());
        atspi_set_timeout(kCallTimeoutMs, kStartupAllowanceMs);
        libraryConnected = true;
    }
    follower = std::make_unique<CaretFollower>(LibraryContext(), mailbox);
    return std::nullopt;
}

void AtspiCaretWatcher::Thread::Run() {
    GMainContext* const context = LibraryContext();
    g_main_context_push_thread_default(context);
    if (const auto why = Connect()) {
        std::fprintf(stderr, "No text caret to follow: %s.\n", why->c_str());
    }
    OnWanted(this);
    g_main_loop_run(loop.get());
    follower.reset();  // deregisters
    // What was posted to this watcher and not yet run (the loop ends after the quit's round)
    // must not reach the next watcher on this context.
    for (int round = 0; round < 100 && g_main_context_pending(context); ++round) {
        g_main_context_iteration(context, FALSE);
    }
    g_main_context_pop_thread_default(context);
}

AtspiCaretWatcher::AtspiCaretWatcher() : thread_(std::make_unique<Thread>()) {
    if (libraryTaken.exchange(true)) {
        std::fputs("No text caret to follow: another caret watcher of this program has it.\n",
                   stderr);
        return;
    }
    try {
        thread_->worker = std::thread([thread = thread_.get()] { thread->Run(); });
    } catch (const std::system_error& error) {
        libraryTaken = false;
        std::fprintf(stderr, "No text caret to follow: no thread for it (%s).\n", error.what());
    }
}

AtspiCaretWatcher::~AtspiCaretWatcher() {
    if (thread_->worker.joinable()) {
        Post(&Thread::OnQuit, thread_.get());
        thread_->worker.join();
        libraryTaken = false;
    }
}

void AtspiCaretWatcher::Start() noexcept {
    thread_->wanted = true;
    if (thread_->worker.joinable()) {
        Post(&Thread::OnWanted, thread_.get());
    }
}

void AtspiCaretWatcher::Stop() noexcept {
    thread_->wanted = false;
    if (thread_->worker.joinable()) {
        Post(&Thread::OnWanted, thread_.get());
    }
}

CaretInfo AtspiCaretWatcher::Latest() const noexcept {
    return thread_->mailbox.Latest();
}
