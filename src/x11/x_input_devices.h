#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "ports/input_devices.h"
#include "x11/atspi_caret_watcher.h"
#include "x11/x_display.h"
#include "x11/x_monitors.h"
#include "x11/x_root_reader.h"

// Pointer, buttons and screen pixel on a connection of its own, each a single round trip.
// The buttons held come from XQueryPointer (it sees them also while another program has grabbed
// the pointer); a click that starts and ends between two queries from the raw button presses of
// XInput 2, which are kept until the next query, so that it counts once as held. Without
// XInput 2, the buttons held alone. The refresh tick asks for the pointer and then at once for the
// buttons: the one query answers both, its buttons kept for a moment after it. The caret is the
// one the accessibility bus last told of, when there is a watcher; none otherwise.
class XInputDevices : public InputDevices {
  public:
    explicit XInputDevices(XDisplay display, AtspiCaretWatcher* caret = nullptr);
    ScreenPoint PointerPosition() override;
    Buttons MouseButtons() override;
    std::optional<Color> ScreenPixel(std::int32_t x, std::int32_t y) override;
    CaretInfo Caret() override { return caret_ != nullptr ? caret_->Latest() : CaretInfo{}; }
    void WatchCaret(bool on) override;

  private:
    bool QueryPointer(ScreenPoint& at, unsigned& state);
    void TakeEvents();
    void ReadButtonMapping();

    XDisplay display_;
    int inputOpcode_ = -1;                      // XInput 2's, when it gives raw events during grabs
    std::vector<unsigned char> buttonMapping_;  // logical button of each device button
    Buttons pressedSince_ = Buttons::NoButton;  // buttons pressed since the last query
    // The buttons held as the last pointer query saw them, and when it was made, until they are
    // asked for.
    std::optional<unsigned> heldAtPointer_;
    std::chrono::steady_clock::time_point pointerAskedAt_;
    XMonitors monitors_;
    XRootReader reader_;
    AtspiCaretWatcher* caret_;
};
