#include "core/refresh_tick.h"

#include <optional>

#include "base/checked_int.h"
#include "base/rounding.h"
#include "core/angles.h"

namespace {

// A difference beyond 32 bits skips its statement: the old value stays.
std::optional<std::int32_t> Difference(std::int32_t a, std::int32_t b) {
    return ToInt32(std::int64_t{a} - b);
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
    // The line points at the anchor even while it is hidden, so that the centre lines turned on
    // during a measurement show it right away.
    const float bearing = static_cast<float>(t.AnchorBearing);
    c.LA.X1 = PolarX(bearing, lineReach);
    c.LA.Y1 = PolarY(bearing, lineReach);
    if (linesShown) {
        c.LA.Visible = true;
    }
}

// Only the pointer's position and the buttons count as a mouse change: a colour that changes under
// a resting pointer (typing or a blinking caret under it) must not pull the view off the caret.
void FollowMouse(RefreshContext& c, ScreenPoint pointer, std::int16_t buttons, float lineReach) {
    TrackState& t = c.track;
    if (pointer.x == t.LastMouseX && pointer.y == t.LastMouseY && buttons == t.LastButtons) {
        return;
    }
    t.LastMouseX = pointer.x;
    t.LastMouseY = pointer.y;
    t.LastButtons = buttons;
    c.view.FocusX = pointer.x;
    c.view.FocusY = pointer.y;
    StartOrEndMeasuring(c, buttons, lineReach);
}

void FollowCaret(RefreshContext& c) {
    const CaretInfo caret = c.input.GetCaretInfo();
    TrackState& t = c.track;
    // No caret (or one of no height): keep the view where it is instead of jumping to the
    // screen's corner, but remember that it went, so that its return is a caret move even in
    // the place it left.
    if (caret.height <= 0) {
        t.CaretGone = true;
        return;
    }
    const std::int32_t cx = caret.x;
    const std::int32_t cy =
        RoundToInt32(static_cast<double>(caret.top) + static_cast<double>(caret.height) / 2);
    if (cx == t.LastCaretX && cy == t.LastCaretY && !t.CaretGone) {
        return;
    }
    t.CaretGone = false;
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

bool ColorReadoutShown(const OptionTable& options) {
    return options.IsOptionChecked(Item::ShowColorsHex) ||
           options.IsOptionChecked(Item::ShowColorsDec) ||
           options.IsOptionChecked(Item::ShowColorsCMY) ||
           options.IsOptionChecked(Item::ShowColorsCMYK);
}

}  // namespace

bool RunRefreshTick(RefreshContext& c, float zoom, bool forced, float lineReach) {
    std::int16_t buttons = 0;
    std::optional<ScreenPoint> pointer;
    if (c.options.IsOptionChecked(Item::FollowMouse)) {
        pointer = c.input.GetCursorPos();
        buttons = c.input.GetMouseButtons();
        FollowMouse(c, *pointer, buttons, lineReach);
    }
    if (buttons == 0 && c.options.IsOptionChecked(Item::FollowText)) {
        FollowCaret(c);
    }

    TrackState& t = c.track;
    // The first tick renders wherever the focus is, even at the origin where the remembered
    // state starts.
    if (t.Shown && t.ShownX == c.view.FocusX && t.ShownY == c.view.FocusY && !forced) {
        return false;
    }
    t.Shown = true;
    t.ShownX = c.view.FocusX;
    t.ShownY = c.view.FocusY;

    const bool colorsShown = ColorReadoutShown(c.options);
    c.hooks.RenderView(c.view.FocusX, c.view.FocusY, zoom);
    // The colour is only ever seen on a rendering, so it is read only then, and after the
    // capture, which mostly holds the pointer's pixel already: a read of the screen costs a
    // third of the idle load, and milliseconds on a composited desktop.
    if (pointer && colorsShown) {
        c.view.PointerColor = static_cast<float>(c.hooks.ScreenPixel(pointer->x, pointer->y));
    }
    if (c.options.IsOptionChecked(Item::ShowLines)) {
        c.hooks.DrawCenterCross();
    }
    if (c.options.IsOptionChecked(Item::ShowCoordinates)) {
        c.hooks.DrawCoordinates();
    }
    if (colorsShown) {
        c.hooks.DrawColorValues();
    }
    return true;
}
