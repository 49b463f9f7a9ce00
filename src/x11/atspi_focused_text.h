#pragma once

#include <atspi/atspi.h>

#include <optional>

#include "ports/input_devices.h"
#include "x11/atspi_owners.h"

class ActiveWindowOrigin;

// What a program said about its caret.
struct CaretAnswer {
    enum class Kind {
        Caret,    // here it is
        NoCaret,  // none: not a text, refused, or the program has gone
        Silent,   // no answer in time, or none that places it: what was known stands
    };
    Kind kind = Kind::Silent;
    CaretInfo caret;
};

// The accessible object that has the focus, and how its program gives places: in screen
// coordinates, or (GTK 4, which refuses those) in coordinates of its window.
class FocusedText {
  public:
    explicit FocusedText(AtspiAccessible* accessible);

    AtspiAccessible* Accessible() const noexcept { return accessible_.get(); }

    // Asks its program where the caret is now, in screen pixels: at most three calls, each
    // bounded by the library's timeout.
    CaretAnswer Ask(ActiveWindowOrigin& window);

  private:
    struct Box {
        CaretAnswer::Kind kind = CaretAnswer::Kind::Silent;
        AtspiRect rect{};
    };
    Box CharacterBox(gint offset);
    std::optional<CaretInfo> CaretAfter(gint offset, const AtspiRect& box);

    GObjectPtr<AtspiAccessible> accessible_;
    GObjectPtr<AtspiText> text_;  // none yet: not a text, or not known yet
    bool inWindowCoordinates_ = false;
};
