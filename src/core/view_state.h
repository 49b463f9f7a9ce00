#pragma once

#include <cstdint>
#include <optional>

#include "base/color.h"
#include "base/geometry.h"
#include "ports/input_codes.h"

// distanceX and distanceY hold this while no measurement is in progress.
inline constexpr std::int32_t NoMeasure = -65536;

// What the refresh tick tells the view and the read-outs; screen pixels throughout.
struct ViewState {
    ScreenPoint focus{};         // shown at the view centre
    ScreenPoint measured{};      // what the coordinate read-out shows
    std::int32_t distanceX = 0;  // from the anchor to the measured point, or NoMeasure
    std::int32_t distanceY = 0;
    float bearing = 0;                            // from the anchor to the measured point, degrees
    std::optional<Color> pointerColor = Color{};  // nothing: the pointer is over no pixel

    // Whether the read-out shows a distance and a bearing.
    bool Measuring() const { return distanceX > NoMeasure && distanceY > NoMeasure; }
};

// The tick's memory of what it saw last. The colour under the pointer is not part of it: only a
// move or a button counts as a mouse change.
struct TrackState {
    ScreenPoint lastPointer{};
    Buttons lastButtons = Buttons::NoButton;
    ScreenPoint lastCaret{};
    bool caretGone = false;  // the caret went away since then: wherever it comes back, it moved
    ScreenPoint shown{};     // focus point of the last rendering
    bool anyShown = false;   // whether anything was rendered yet
    ScreenPoint anchor{};    // focus point at the last mouse change with no button held
    std::int32_t anchorBearing = 0;  // whole degrees from the measured point back to the anchor
};
