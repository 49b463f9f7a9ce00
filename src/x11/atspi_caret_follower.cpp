#include "x11/atspi_caret_follower.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kFocusEvent = "object:state-changed:focused";
constexpr const char* kCaretEvent = "object:text-caret-moved";
// Qt says nothing of its focus when its window stops being the active one, only this; and Qt 6.4
// sends it only to those who asked for window activation too (which is not used here).
constexpr const char* kDeactivateEvent = "window:deactivate";
constexpr const char* kActivateEvent = "window:activate";
constexpr guint kPollMs = 250;

SourcePtr Attach(GSource* source, GSourceFunc callback, gpointer data, GMainContext* context) {
    g_source_set_callback(source, callback, data, nullptr);
    g_source_attach(source, context);
    return SourcePtr(source);
}

}  // namespace

// A source that never fires; its preparation runs at every turn of the loop.
struct AdoptingSource {
    GSource source;
    CaretFollower* follower;
};

CaretFollower::CaretFollower(GMainContext* context, CaretMailbox& mailbox)
    : context_(context),
      mailbox_(mailbox),
      listener_(atspi_event_listener_new(&CaretFollower::OnEvent, this, nullptr)),
      sharedBus_(atspi_get_a11y_bus()) {
    static GSourceFuncs adopting{
        &CaretFollower::BeforeEachTurn,
        nullptr,
        [](GSource*, GSourceFunc, gpointer) -> gboolean { return G_SOURCE_CONTINUE; },
        nullptr,
        nullptr,
        nullptr};
    GSource* source = g_source_new(&adopting, sizeof(AdoptingSource));
    reinterpret_cast<AdoptingSource*>(source)->follower = this;
    g_source_attach(source, context_);
    adopter_.reset(source);
}

gboolean CaretFollower::BeforeEachTurn(GSource* source, gint* timeout) {
    *timeout = -1;
    reinterpret_cast<AdoptingSource*>(source)->follower->AdoptConnections();
    return FALSE;
}

void CaretFollower::Track(AtspiApplication* program) {
    const auto known = [program](const Program& tracked) {
        return tracked.program.get() == program;
    };
    if (program != nullptr && std::none_of(programs_.begin(), programs_.end(), known)) {
        programs_.push_back({Referenced(program)});
    }
}

void CaretFollower::AdoptConnections() {
    std::erase_if(programs_,
                  [](const Program& tracked) { return tracked.program->bus == nullptr; });
    for (Program& tracked : programs_) {
        DBusConnection* const bus = tracked.program->bus;
        if (bus != sharedBus_ && bus != tracked.adopted) {
            atspi_dbus_connection_setup_with_g_main(bus, context_);
            tracked.adopted = bus;
        }
    }
}

CaretFollower::~CaretFollower() {
    Listen(false);
}

void CaretFollower::Listen(bool on) {
    if (on == listening_ || !listener_) {
        return;
    }
    listening_ = on;
    if (!on) {  // the caret goes at once, before the calls to the registry
        poll_.reset();
        dealWithNoted_.reset();
        noted_.clear();
        focused_.reset();
        mailbox_.Clear();
    }
    for (const char* type : {kFocusEvent, kCaretEvent, kDeactivateEvent, kActivateEvent}) {
        ErrorSlot error;
        const gboolean done =
            on ? atspi_event_listener_register(listener_.get(), type, error.Out())
               : atspi_event_listener_deregister(listener_.get(), type, error.Out());
        if (!done) {
            std::fprintf(stderr, "Could not %s the accessibility events %s: %s\n",
                         on ? "listen to" : "stop listening to", type, error.Message());
        }
    }
    if (on) {
        // Below events and idle work: asking a program that does not answer takes longer than
        // the period, and would otherwise leave no turn for the events of the others.
        GSource* poll = g_timeout_source_new(kPollMs);
        g_source_set_priority(poll, G_PRIORITY_LOW);
        poll_ = Attach(poll, &CaretFollower::OnPoll, this, context_);
    }
}

void CaretFollower::OnEvent(AtspiEvent* event, void* self) {
    const AtspiEventPtr owned(event);  // handed over to the listener
    if (event->type == nullptr || event->source == nullptr) {
        return;
    }
    const std::string_view type = event->type;
    auto* follower = static_cast<CaretFollower*>(self);
    follower->Track(ATSPI_OBJECT(event->source)->app);
    if (type.starts_with(kFocusEvent)) {
        follower->Note(event->detail1 != 0 ? Happened::FocusGained : Happened::FocusLost,
                       event->source);
    } else if (type.starts_with(kCaretEvent)) {
        follower->Note(Happened::CaretMoved, event->source);
    } else if (type.starts_with(kDeactivateEvent)) {
        follower->Note(Happened::WindowDeactivated, event->source);
    }
}

void CaretFollower::Note(Happened what, AtspiAccessible* source) {
    if (!listening_) {
        return;
    }
    noted_.push_back({what, Referenced(source)});
    if (!dealWithNoted_) {
        dealWithNoted_ = Attach(g_idle_source_new(), &CaretFollower::OnNoted, this, context_);
    }
}

gboolean CaretFollower::OnNoted(gpointer self) {
    auto* follower = static_cast<CaretFollower*>(self);
    const SourcePtr done = std::move(follower->dealWithNoted_);
    // Events noted from here on (during the calls below) wait for the next round.
    const std::vector<Event> events = std::move(follower->noted_);
    follower->noted_.clear();
    bool ask = false;
    for (const Event& event : events) {
        ask = follower->Apply(event) || ask;
    }
    if (ask) {
        follower->Ask();
    }
    return G_SOURCE_REMOVE;
}

gboolean CaretFollower::OnPoll(gpointer self) {
    static_cast<CaretFollower*>(self)->Ask();
    return G_SOURCE_CONTINUE;
}

bool CaretFollower::Apply(const Event& event) {
    AtspiAccessible* const source = event.source.get();
    const bool isFocused = focused_ && focused_->Accessible() == source;
    switch (event.what) {
        case Happened::FocusGained:
            if (!isFocused) {
                focused_.emplace(source);
            }
            return true;
        case Happened::WindowDeactivated:
            // A window of the focused text's program (the same connection to the bus).
            if (focused_ &&
                ATSPI_OBJECT(source)->app == ATSPI_OBJECT(focused_->Accessible())->app) {
                focused_.reset();
                mailbox_.Clear();
            }
            return false;
        case Happened::FocusLost:
            if (isFocused) {
                focused_.reset();
                mailbox_.Clear();
            }
            return false;
        case Happened::CaretMoved:
            // A caret that moves outside the focus (text set by the program) is not followed;
            // but before any focus event, the first caret to move is taken as the focus.
            if (!focused_) {
                focused_.emplace(source);
                return true;
            }
            return isFocused;
    }
    return false;
}

void CaretFollower::Ask() {
    if (!focused_) {
        return;
    }
    const CaretAnswer answer = focused_->Ask(activeWindow_);
    switch (answer.kind) {
        case CaretAnswer::Kind::Caret:
            mailbox_.Publish(answer.caret);
            break;
        case CaretAnswer::Kind::NoCaret:
            mailbox_.Clear();
            break;
        case CaretAnswer::Kind::Silent:
            break;
    }
}
