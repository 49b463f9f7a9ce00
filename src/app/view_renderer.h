#pragma once

#include <cstdint>

#include "base/geometry.h"
#include "ports/form_window.h"
#include "ports/screen_capture.h"

// Captures the screen around the focus point, scales it by the zoom and shows it in the window.
// The rectangle is worked out in twips of `twipsPerPixel` each and rounded to pixels once, so the
// focus pixel lands at the view's centre at any display scale. When a step fails the window
// keeps the picture it has.
void RenderFocusArea(FormWindow& form, ScreenCapture& screen, ScreenPoint focus, float zoom,
                     std::int32_t twipsPerPixel, bool withCursor);
