#pragma once

#include <cstdint>

#include "base/color.h"
#include "core/option_table.h"
#include "core/view_state.h"
#include "ports/input_devices.h"
#include "ports/line_shape.h"

inline constexpr int Timer1IntervalMs = 10;   // tracking
inline constexpr int Timer2IntervalMs = 250;  // auto refresh

// What a rendered tick calls, in this order: the picture, then the overlays that are switched on.
class RefreshHooks {
  public:
    virtual ~RefreshHooks() = default;
    virtual void RenderView(std::int32_t x, std::int32_t y, float zoom) = 0;
    // The colour of screen pixel (x, y): as the rendering just read it where it could, else from
    // the screen.
    virtual ColorValue ScreenPixel(std::int32_t x, std::int32_t y) = 0;
    virtual void DrawCenterCross() = 0;
    virtual void DrawCoordinates() = 0;
    virtual void DrawColorValues() = 0;
};

struct RefreshContext {
    InputDevices& input;
    const OptionTable& options;
    ViewState& view;
    TrackState& track;
    LineShape& LA;  // the measuring line
    RefreshHooks& hooks;
};

// One tick: reads pointer, buttons and caret, moves the focus point and the measuring state, and
// renders when the focus point moved or the tick is forced; only a rendering with a colour read-out
// shown reads the screen pixel under the pointer into PointerColor, after the capture. `lineReach`
// is the inner width times the inner height in twips: a length far beyond the view, so the
// measuring line runs from the view centre out of the view towards the anchor. Returns true when it
// rendered.
bool RunRefreshTick(RefreshContext& context, float zoom, bool forced, float lineReach);
