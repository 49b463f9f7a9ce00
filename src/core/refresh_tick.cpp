#include "core/refresh_tick.h"

#include <limits>
#include <optional>

#include "core/angles.h"
#include "core/rounding.h"

namespace {

std::optional<std::int32_t> Difference(std::int32_t a, std::int32_t b) {
    const std::int64_t d = static_cast<std::int64_t>(a) - b;
    if (d < std::numeric_limits<std::int32_t>::min() ||
        d > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;  // the statement is skipped; the old value stays
    }
    return static_cast<std::int32_t>(d);
}

void StartOrEndMeasuring(RefreshContext& c, std::int16_t buttons, float lineReach) {
    ViewState& v = c.view;
    TrackState& t = c.track;
    const bool linesShown = c.options.IsOptionChecked(Item::ShowLines);
    if (buttons == 0) {
        t.AnchorX = v.FocusX;
        t.AnchorY = v.FocusY;
        v.MeasureX = v.FocusX;
        v.MeasureY = v.FocusY;
        v.MeasureW = NoMeasure;
        v.MeasureH = NoMeasure;
        if (linesShown && c.LA.Visible) {
            c.LA.Visible = false;
        }
        return;
    }
    if (buttons != MouseButton::Left && buttons != MouseButton::Right) {
        return;  // middle button or a chord: the measurement stays frozen
    }
    v.MeasureX = v.FocusX;
    v.MeasureY = v.FocusY;
    if (const auto w = Difference(v.FocusX, t.AnchorX)) {
        v.MeasureW = *w;
    }
    if (const auto h = Difference(v.FocusY, t.AnchorY)) {
        v.MeasureH = *h;
    }
    v.MeasureAngle = AngleDeg(static_cast<float>(t.AnchorX), static_cast<float>(t.AnchorY),
                              static_cast<float>(v.MeasureX), static_cast<float>(v.MeasureY));
    t.AnchorBearing =
        RoundToInt32(AngleDeg(static_cast<float>(v.MeasureX), static_cast<float>(v.MeasureY),
                              static_cast<float>(t.AnchorX), static_cast<float>(t.AnchorY)));
    if (linesShown) {
        c.LA.Visible = true;
        const float bearing = static_cast<float>(t.AnchorBearing);
        c.LA.X1 = PolarX(bearing, lineReach);
        c.LA.Y1 = PolarY(bearing, lineReach);
    }
}

// Returns the buttons held, 0 when the mouse is not followed.
std::int16_t FollowMouse(RefreshContext& c, float lineReach) {
    const ScreenPoint pointer = c.input.GetCursorPos();
    const std::int16_t buttons = c.input.GetMouseButtons();
    const ColorValue colour = c.input.GetScreenPixel(pointer.x, pointer.y);
    c.view.PointerColor = static_cast<float>(colour);

    TrackState& t = c.track;
    if (pointer.x == t.LastMouseX && pointer.y == t.LastMouseY && buttons == t.LastButtons &&
        colour == t.LastColor) {
        return buttons;
    }
    t.LastMouseX = pointer.x;
    t.LastMouseY = pointer.y;
    t.LastButtons = buttons;
    t.LastColor = colour;
    c.view.FocusX = pointer.x;
    c.view.FocusY = pointer.y;
    StartOrEndMeasuring(c, buttons, lineReach);
    return buttons;
}

void FollowCaret(RefreshContext& c) {
    const CaretInfo caret = c.input.GetCaretInfo();
    // No caret (or one of no height): keep the view where it is instead of jumping to the
    // screen's corner, and remember nothing, so a caret that comes back in place is no move.
    if (caret.height <= 0) {
        return;
    }
    const std::int32_t cx = caret.x;
    const std::int32_t cy =
        RoundToInt32(static_cast<double>(caret.top) + static_cast<double>(caret.height) / 2);
    TrackState& t = c.track;
    if (cx == t.LastCaretX && cy == t.LastCaretY) {
        return;
    }
    t.LastCaretX = cx;
    t.LastCaretY = cy;
    ViewState& v = c.view;
    v.FocusX = cx;
    v.FocusY = cy;
    v.MeasureX = cx;
    v.MeasureY = cy;
    v.MeasureW = NoMeasure;
    v.MeasureH = NoMeasure;
}

}  // namespace

bool RefreshTick(RefreshContext& c, float zoom, bool forced, float lineReach) {
    std::int16_t buttons = 0;
    if (c.options.IsOptionChecked(Item::FollowMouse)) {
        buttons = FollowMouse(c, lineReach);
    }
    if (buttons == 0 && c.options.IsOptionChecked(Item::FollowText)) {
        FollowCaret(c);
    }

    TrackState& t = c.track;
    if (t.ShownX == c.view.FocusX && t.ShownY == c.view.FocusY && !forced) {
        return false;
    }
    t.ShownX = c.view.FocusX;
    t.ShownY = c.view.FocusY;

    c.hooks.RenderView(c.view.FocusX, c.view.FocusY, zoom);
    if (c.options.IsOptionChecked(Item::ShowLines)) {
        c.hooks.DrawCenterCross();
    }
    if (c.options.IsOptionChecked(Item::ShowCoordinates)) {
        c.hooks.DrawCoordinates();
    }
    if (c.options.IsOptionChecked(Item::ShowColorsHex) ||
        c.options.IsOptionChecked(Item::ShowColorsDec) ||
        c.options.IsOptionChecked(Item::ShowColorsCMY) ||
        c.options.IsOptionChecked(Item::ShowColorsCMYK)) {
        c.hooks.DrawColorValues();
    }
    return true;
}
