#include "core/refresh_tick.h"

#include <algorithm>
#include <optional>

#include "base/checked_int.h"
#include "base/rounding.h"
#include "core/angles.h"

namespace {

// A difference beyond 32 bits skips its statement: the old value stays.
std::optional<std::int32_t> Difference(std::int32_t a, std::int32_t b) {
    return ToInt32(std::int64_t{a} - b);
}

float Bearing(ScreenPoint from, ScreenPoint to) {
    return AngleDeg(static_cast<float>(from.x), static_cast<float>(from.y),
                    static_cast<float>(to.x), static_cast<float>(to.y));
}

void StartOrEndMeasuring(RefreshContext& c, Buttons buttons, float lineReach) {
    ViewState& v = c.view;
    TrackState& t = c.track;
    MeasuringLine& line = c.measuringLine;
    const bool linesShown = c.options.IsOptionChecked(Item::ShowLines);
    if (buttons == Buttons::NoButton) {
        t.anchor = v.focus;
        v.measured = v.focus;
        v.distanceX = NoMeasure;
        v.distanceY = NoMeasure;
        if (linesShown) {
            line.visible = false;
        }
        return;
    }
    if (buttons != Buttons::Left && buttons != Buttons::Right) {
        return;  // middle button or a chord: the measurement stays frozen
    }
    v.measured = v.focus;
    if (const auto dx = Difference(v.focus.x, t.anchor.x)) {
        v.distanceX = *dx;
    }
    if (const auto dy = Difference(v.focus.y, t.anchor.y)) {
        v.distanceY = *dy;
    }
    v.bearing = Bearing(t.anchor, v.measured);
    t.anchorBearing = RoundToInt32(Bearing(v.measured, t.anchor));
    // The line points at the anchor even while it is hidden, so that the centre lines turned on
    // during a measurement show it right away.
    const auto toAnchor = static_cast<float>(t.anchorBearing);
    line.toX = line.fromX + PolarX(toAnchor, lineReach);
    line.toY = line.fromY + PolarY(toAnchor, lineReach);
    if (linesShown) {
        line.visible = true;
    }
}

// Only the pointer's position and the buttons count as a mouse change: a colour that changes under
// a resting pointer (typing or a blinking caret under it) must not pull the view off the caret.
void FollowMouse(RefreshContext& c, ScreenPoint pointer, Buttons buttons, float lineReach) {
    TrackState& t = c.track;
    if (pointer == t.lastPointer && buttons == t.lastButtons) {
        return;
    }
    t.lastPointer = pointer;
    t.lastButtons = buttons;
    c.view.focus = pointer;
    StartOrEndMeasuring(c, buttons, lineReach);
}

void FollowCaret(RefreshContext& c) {
    const CaretInfo caret = c.input.Caret();
    TrackState& t = c.track;
    // No caret (or one of no height): keep the view where it is instead of jumping to the
    // screen's corner, but remember that it went, so that its return is a caret move even in
    // the place it left.
    if (caret.height <= 0) {
        t.caretGone = true;
        return;
    }
    // Its left edge at the middle of its height.
    const ScreenPoint point{caret.x, RoundToInt32(static_cast<double>(caret.top) +
                                                  static_cast<double>(caret.height) / 2)};
    if (point == t.lastCaret && !t.caretGone) {
        return;
    }
    t.caretGone = false;
    t.lastCaret = point;
    ViewState& v = c.view;
    v.focus = point;
    v.measured = point;
    v.distanceX = NoMeasure;
    v.distanceY = NoMeasure;
}

bool ColorReadoutShown(const OptionTable& options) {
    return std::ranges::any_of(OptionRows, [&options](const OptionRow& row) {
        return row.overlay == Overlay::ColorFigures && options.IsOptionChecked(row.index);
    });
}

}  // namespace

bool RunRefreshTick(RefreshContext& c, float zoom, bool forced, float lineReach) {
    Buttons buttons = Buttons::NoButton;
    std::optional<ScreenPoint> pointer;
    if (c.options.IsOptionChecked(Item::FollowMouse)) {
        pointer = c.input.PointerPosition();
        buttons = c.input.MouseButtons();
        FollowMouse(c, *pointer, buttons, lineReach);
    }
    if (buttons == Buttons::NoButton && c.options.IsOptionChecked(Item::FollowText)) {
        FollowCaret(c);
    }

    TrackState& t = c.track;
    // The first tick renders wherever the focus is, even at the origin where the remembered
    // state starts.
    if (t.anyShown && t.shown == c.view.focus && !forced) {
        return false;
    }
    t.anyShown = true;
    t.shown = c.view.focus;

    const bool colorsShown = ColorReadoutShown(c.options);
    c.hooks.RenderView(c.view.focus, zoom);
    // The colour is only ever seen on a rendering, so it is read only then, and after the
    // capture, which mostly holds the pointer's pixel already: a read of the screen costs a
    // third of the idle load, and milliseconds on a composited desktop.
    if (pointer && colorsShown) {
        c.view.pointerColor = c.hooks.PixelColor(*pointer);
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
