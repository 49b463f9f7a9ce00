#pragma once

#include <cstdint>

#include "base/twips.h"
#include "ports/form_window.h"
#include "ports/screen_capture.h"

// Captures the screen around the focus point (x, y in screen pixels), scales it by the zoom and
// shows it in the window. The rectangle goes from pixels to twips and back with the same whole
// numbers (`members`), so the focus pixel lands at the view's centre at any DPI. When a step
// fails the window keeps the picture it has.
void RenderFocusArea(FormWindow& form, ScreenCapture& screen, std::int32_t x, std::int32_t y,
                     float zoom, TwipsPerPixel members, bool withCursor);
