#pragma once

#include <memory>

#include "ports/input_devices.h"

// The text caret of other programs, as the accessibility bus tells it. A thread of its own talks
// to the bus, every call into another program bounded by a short timeout, so a program that hangs
// holds up only that thread; Latest() reads the last caret the thread published and never waits.
// The caret goes when the focus leaves the text or its program ends.
//
// It listens only between Start() and Stop(): while it listens, every accessible program sends
// it events. Without a session bus or an accessibility bus there is no caret, and it says why once
// on standard error; it launches nothing and leaves the desktop's accessibility settings alone.
class AtspiCaretWatcher {
  public:
    AtspiCaretWatcher();
    // Stops listening and joins the thread (which may finish a call into a program first).
    ~AtspiCaretWatcher();
    AtspiCaretWatcher(const AtspiCaretWatcher&) = delete;
    AtspiCaretWatcher& operator=(const AtspiCaretWatcher&) = delete;

    // Both return at once; the thread registers or deregisters soon after.
    void Start() noexcept;
    void Stop() noexcept;
    // Height 0: no caret.
    CaretInfo Latest() const noexcept;

  private:
    struct Thread;
    std::unique_ptr<Thread> thread_;
};
