#include "x11/x_input_devices.h"

#include <X11/extensions/XInput2.h>

#include <utility>

#include "raster/cursor_blend.h"

namespace {

// How long the buttons of a pointer query answer for them: far less than a tick of 10 ms, far
// more than the tick takes from one question to the next.
constexpr std::chrono::milliseconds ButtonsKeptFor{2};

// The mouse buttons of X's numbering that count: 1 left, 2 middle, 3 right; 4 to 7 are the wheel.
Buttons ButtonOf(unsigned button) {
    switch (button) {
        case 1:
            return Buttons::Left;
        case 2:
            return Buttons::Middle;
        case 3:
            return Buttons::Right;
        default:
            return Buttons::NoButton;
    }
}

// The raw event data of one event, given back when it goes.
class EventData {
  public:
    EventData(Display* display, XGenericEventCookie& cookie)
        : display_(display), cookie_(cookie), held_(XGetEventData(display, &cookie)) {}
    EventData(const EventData&) = delete;
    EventData& operator=(const EventData&) = delete;
    ~EventData() {
        if (held_) {
            XFreeEventData(display_, &cookie_);
        }
    }
    const XIRawEvent* Raw() const {
        return held_ ? static_cast<const XIRawEvent*>(cookie_.data) : nullptr;
    }

  private:
    Display* display_;
    XGenericEventCookie& cookie_;
    bool held_;
};

}  // namespace

XInputDevices::XInputDevices(XDisplay display, AtspiCaretWatcher* caret)
    : display_(std::move(display)),
      monitors_(display_.get()),
      reader_(display_.get()),
      caret_(caret) {
    Display* const x = display_.get();
    int event = 0;
    int error = 0;
    // Raw events reach us during another client's grab from version 2.1 on, once we say we know it.
    int major = 2;
    int minor = 2;
    if (x == nullptr || !XQueryExtension(x, "XInputExtension", &inputOpcode_, &event, &error) ||
        XIQueryVersion(x, &major, &minor) != Success || major * 100 + minor < 201) {
        inputOpcode_ = -1;
        return;
    }
    // Presses only: whether a button is still held, the pointer query tells.
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawButtonPress);
    XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
    XErrorTrap trap(x);
    XISelectEvents(x, DefaultRootWindow(x), &mask, 1);
    if (trap.Failed()) {
        inputOpcode_ = -1;
        return;
    }
    ReadButtonMapping();
}

// Raw events carry the device's button, before the user's mapping (a left-handed mouse) that
// the pointer query's buttons have been through.
void XInputDevices::ReadButtonMapping() {
    unsigned char mapping[256] = {};
    const int count = XGetPointerMapping(display_.get(), mapping, sizeof(mapping));
    buttonMapping_.assign(mapping, mapping + (count > 0 ? count : 0));
}

// Whatever the last round trip brought in, without another: presses and mapping changes.
void XInputDevices::TakeEvents() {
    Display* const x = display_.get();
    while (XEventsQueued(x, QueuedAlready) > 0) {
        XEvent event;
        XNextEvent(x, &event);
        if (event.type == MappingNotify && event.xmapping.request == MappingPointer) {
            ReadButtonMapping();
        } else if (event.type == GenericEvent && event.xcookie.extension == inputOpcode_) {
            const EventData data(x, event.xcookie);
            const XIRawEvent* const raw = data.Raw();
            if (raw != nullptr && raw->evtype == XI_RawButtonPress && raw->detail > 0) {
                const auto device = static_cast<std::size_t>(raw->detail);
                pressedSince_ |=
                    ButtonOf(device <= buttonMapping_.size() ? buttonMapping_[device - 1]
                                                             : static_cast<unsigned>(device));
            }
        }
    }
}

bool XInputDevices::QueryPointer(ScreenPoint& at, unsigned& state) {
    Display* const x = display_.get();
    if (x == nullptr) {
        return false;
    }
    Window root = 0;
    Window child = 0;
    int windowX = 0;
    int windowY = 0;
    // False for a pointer on another screen of the display, where none of ours has a pixel.
    const bool found = XQueryPointer(x, DefaultRootWindow(x), &root, &child, &at.x, &at.y, &windowX,
                                     &windowY, &state);
    TakeEvents();
    return found;
}

ScreenPoint XInputDevices::PointerPosition() {
    ScreenPoint at;
    unsigned state = 0;
    heldAtPointer_.reset();
    if (!QueryPointer(at, state)) {
        return {};
    }
    heldAtPointer_ = state;
    pointerAskedAt_ = std::chrono::steady_clock::now();
    return at;
}

Buttons XInputDevices::MouseButtons() {
    ScreenPoint at;
    unsigned state = 0;
    Buttons held = Buttons::NoButton;
    // Asked for right after the pointer, as the tick does, they are the ones that query saw; a
    // query of their own otherwise.
    const std::optional<unsigned> seen = std::exchange(heldAtPointer_, std::nullopt);
    const bool justAsked =
        seen && std::chrono::steady_clock::now() - pointerAskedAt_ < ButtonsKeptFor;
    if (justAsked) {
        state = *seen;
    }
    if (justAsked || QueryPointer(at, state)) {
        for (const auto& [mask, button] :
             {std::pair{Button1Mask, Buttons::Left}, std::pair{Button2Mask, Buttons::Middle},
              std::pair{Button3Mask, Buttons::Right}}) {
            if ((state & mask) != 0) {
                held |= button;
            }
        }
    }
    return held | std::exchange(pressedSince_, Buttons::NoButton);
}

std::optional<Color> XInputDevices::ScreenPixel(std::int32_t x, std::int32_t y) {
    if (!display_ || !monitors_.OnMonitor(x, y)) {
        return std::nullopt;
    }
    const std::optional<PixelBlock> pixel = reader_.Read({x, y, 1, 1});
    TakeEvents();
    return pixel ? std::optional(ColorOfPixel(*pixel->pixels)) : std::nullopt;
}

void XInputDevices::WatchCaret(bool on) {
    if (caret_ == nullptr) {
        return;
    }
    if (on) {
        caret_->Start();
    } else {
        caret_->Stop();
    }
}
