#pragma once

#include <cstdint>
#include <memory>

#include "core/twips.h"
#include "platform/form_window.h"
#include "platform/picture.h"
#include "platform/screen_capture.h"

// `source` scaled to `percent` per cent in both directions with the given stretch mode; nullptr
// when the scaled size is empty or the platform fails.
std::unique_ptr<Picture> CopyPicture(ScreenCapture& screen, const Picture& source, float percent,
                                     int stretchMode);

// Captures the screen around the focus point (x, y in screen pixels), scales it by the zoom and
// makes it the window's background picture. When any step fails the window keeps the picture it
// has.
void RenderView(FormWindow& form, ScreenCapture& screen, std::int32_t x, std::int32_t y, float zoom,
                TwipsPerPixel members, bool withCursor);
