#pragma once

#include <atspi/atspi.h>

#include <optional>
#include <vector>

#include "x11/atspi_focused_text.h"
#include "x11/atspi_owners.h"
#include "x11/posix_caret_mailbox.h"
#include "x11/x_active_window.h"

// Lives on the accessibility thread, whose context it is given. While it listens it follows the
// focus and the caret events of every accessible program, asks the focused text where its caret
// is (after each event, and every quarter second, so that a window that moved or a program that
// ended is seen too) and publishes the answer.
//
// libatspi hands over events from inside any call it makes (it delivers what arrived meanwhile),
// so an event is only noted here and dealt with from the context afterwards, never while a call
// into a program is under way.
//
// libatspi also opens a direct connection to each program that offers one (GTK 3 does) and
// hands it to the process's default GLib context, which the toolkit's thread may run: its own
// callbacks for that connection would then run there, beside this thread. Every turn of this
// thread's loop moves such new connections here, before their first answer can arrive.
class CaretFollower {
  public:
    CaretFollower(GMainContext* context, CaretMailbox& mailbox);
    ~CaretFollower();
    CaretFollower(const CaretFollower&) = delete;
    CaretFollower& operator=(const CaretFollower&) = delete;

    // Registering makes every accessible program send these events, so it is done only while
    // the caret is wanted. Not listening, there is no caret.
    void Listen(bool on);

  private:
    enum class Happened { FocusGained, FocusLost, CaretMoved, WindowDeactivated };
    struct Event {
        Happened what;
        GObjectPtr<AtspiAccessible> source;
    };

    static void OnEvent(AtspiEvent* event, void* self);
    static gboolean OnNoted(gpointer self);
    static gboolean OnPoll(gpointer self);
    static gboolean BeforeEachTurn(GSource* source, gint* timeout);
    void Track(AtspiApplication* program);
    void AdoptConnections();
    void Note(Happened what, AtspiAccessible* source);
    // True when the caret should be asked for.
    bool Apply(const Event& event);
    void Ask();

    GMainContext* context_;
    CaretMailbox& mailbox_;
    GObjectPtr<AtspiEventListener> listener_;
    bool listening_ = false;
    std::vector<Event> noted_;
    SourcePtr dealWithNoted_;
    SourcePtr poll_;
    std::optional<FocusedText> focused_;
    ActiveWindowOrigin activeWindow_;
    DBusConnection* const sharedBus_;  // libatspi's connection to the accessibility bus
    struct Program {
        GObjectPtr<AtspiApplication> program;
        DBusConnection* adopted = nullptr;  // its connection, once moved here
    };
    std::vector<Program> programs_;
    SourcePtr adopter_;  // last: the first to go
};
