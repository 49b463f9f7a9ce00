#pragma once

#include <cstdint>

#include "base/color.h"
#include "core/option_table.h"
#include "core/view_state.h"
#include "ports/form_window.h"
#include "ports/input_devices.h"

inline constexpr int TrackingIntervalMs = 10;
inline constexpr int AutoRefreshIntervalMs = 250;

// What a rendered tick calls, in this order: the picture, then the overlays that are switched on.
class RefreshHooks {
  public:
    virtual ~RefreshHooks() = default;
    virtual void RenderView(ScreenPoint focus, float zoom) = 0;
    // The colour of screen pixel (x, y): as the rendering just read it where it could, else from
    // the screen.
    virtual std::optional<Color> PixelColor(ScreenPoint at) = 0;
    virtual void DrawCenterCross() = 0;
    virtual void DrawCoordinates() = 0;
    virtual void DrawColorValues() = 0;
};

struct RefreshContext {
    InputDevices& input;
    const OptionTable& options;
    ViewState& view;
    TrackState& track;
    MeasuringLine& measuringLine;  // its end at the view centre belongs to the layout
    RefreshHooks& hooks;
};

// One tick: reads pointer, buttons and caret, moves the focus point and the measuring state, and
// renders when the focus point moved or the tick is forced; only a rendering with a colour read-out
// shown reads the pixel under the pointer, after the capture. During a measurement the line runs
// from the view centre `lineReach` pixels towards the anchor, far beyond the view. Returns true
// when it rendered.
bool RunRefreshTick(RefreshContext& context, float zoom, bool forced, float lineReach);
