#pragma once

#include <cstdint>

// MeasureW and MeasureH hold this while no measurement is in progress.
inline constexpr std::int32_t NoMeasure = -65536;

// What the refresh tick tells the view and the read-outs.
struct ViewState {
    std::int32_t FocusX = 0;  // screen point shown at the view centre, pixels
    std::int32_t FocusY = 0;
    std::int32_t MeasureX = 0;  // point the coordinate read-out shows
    std::int32_t MeasureY = 0;
    std::int32_t MeasureW = 0;  // distance from the anchor, or NoMeasure
    std::int32_t MeasureH = 0;
    float MeasureAngle = 0;  // bearing from the anchor, degrees
    float PointerColor = 0;  // colour value under the pointer, held in single precision

    // Whether the read-out shows a distance and a bearing.
    bool Measuring() const { return MeasureW > NoMeasure && MeasureH > NoMeasure; }
};

// The tick's memory of what it saw last. The colour under the pointer is not part of it: only a
// move or a button counts as a mouse change.
struct TrackState {
    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;
    std::int16_t LastButtons = 0;
    std::int32_t LastCaretX = 0;
    std::int32_t LastCaretY = 0;
    bool CaretGone = false;   // the caret went away since then: wherever it comes back, it moved
    std::int32_t ShownX = 0;  // focus point of the last rendering
    std::int32_t ShownY = 0;
    bool Shown = false;        // whether anything was rendered yet
    std::int32_t AnchorX = 0;  // focus point at the last mouse change with no button held
    std::int32_t AnchorY = 0;
    std::int32_t AnchorBearing = 0;  // whole degrees from the measured point back to the anchor
};
