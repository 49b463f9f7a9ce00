#include "x11/atspi_focused_text.h"

#include <optional>

#include "base/checked_int.h"
#include "x11/x_active_window.h"

namespace {

using Kind = CaretAnswer::Kind;

std::optional<std::int32_t> Sum(std::int32_t a, std::int32_t b) {
    return ToInt32(std::int64_t{a} + b);
}

}  // namespace

FocusedText::FocusedText(AtspiAccessible* accessible) : accessible_(Referenced(accessible)) {}

FocusedText::Box FocusedText::CharacterBox(gint offset) {
    for (;;) {
        ErrorSlot error;
        const AtspiRectPtr rect(atspi_text_get_character_extents(
            text_.get(), offset,
            inWindowCoordinates_ ? ATSPI_COORD_TYPE_WINDOW : ATSPI_COORD_TYPE_SCREEN, error.Out()));
        if (!error) {
            // A call that timed out comes back without an error and without a box.
            return rect && rect->height > 0 ? Box{Kind::Caret, *rect} : Box{};
        }
        if (inWindowCoordinates_) {
            return Box{Kind::NoCaret, {}};
        }
        inWindowCoordinates_ = true;  // asked once per focus: the program will refuse again
    }
}

// After a line break (Qt gives it a box at the end of its line) the caret starts the next line:
// below it, at the left edge where the text begins.
std::optional<CaretInfo> FocusedText::CaretAfter(gint offset, const AtspiRect& box) {
    ErrorSlot error;
    const GCharPtr character(atspi_text_get_text(text_.get(), offset, offset + 1, error.Out()));
    const bool lineBreak = character && (*character == '\n' || *character == '\r');
    if (const Box first = lineBreak ? CharacterBox(0) : Box{}; first.kind == Kind::Caret) {
        const auto top = Sum(box.y, box.height);
        return top ? std::optional(CaretInfo{first.rect.x, *top, box.height}) : std::nullopt;
    }
    const auto right = Sum(box.x, box.width);
    return right ? std::optional(CaretInfo{*right, box.y, box.height}) : std::nullopt;
}

CaretAnswer FocusedText::Ask(ActiveWindowOrigin& window) {
    // Asked again until known: GTK 4 announces its focus before it can be asked about it.
    if (!text_) {
        text_.reset(atspi_accessible_get_text_iface(accessible_.get()));
    }
    if (!text_) {
        return {Kind::NoCaret, {}};
    }
    ErrorSlot error;
    const gint offset = atspi_text_get_caret_offset(text_.get(), error.Out());
    if (error) {
        return {Kind::NoCaret, {}};
    }
    if (offset < 0) {
        return {};
    }
    // The caret stands at the left edge of the character after it. After the last character some
    // toolkits give no box (GTK gives an empty one in the right place): there it stands at the
    // right edge of the one before.
    std::optional<CaretInfo> caret;
    if (const Box at = CharacterBox(offset); at.kind == Kind::Caret) {
        caret = CaretInfo{at.rect.x, at.rect.y, at.rect.height};
    } else if (at.kind == Kind::NoCaret || offset == 0) {
        return {at.kind, {}};
    } else if (const Box before = CharacterBox(offset - 1); before.kind == Kind::Caret) {
        caret = CaretAfter(offset - 1, before.rect);
    } else {
        return {before.kind, {}};
    }
    if (!caret) {
        return {Kind::NoCaret, {}};
    }
    if (inWindowCoordinates_) {
        const std::optional<ScreenPoint> origin = window.Find();
        const auto x = origin ? Sum(caret->x, origin->x) : std::nullopt;
        const auto top = origin ? Sum(caret->top, origin->y) : std::nullopt;
        if (!x || !top) {
            return {Kind::NoCaret, {}};
        }
        caret->x = *x;
        caret->top = *top;
    }
    return {Kind::Caret, *caret};
}
