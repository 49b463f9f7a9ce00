#pragma once

// What the X server tests put on the screen and how they look at it, through a connection of the
// test's own.

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "base/color.h"
#include "ports/picture.h"

// The seven colours of channels 0 and 255 but black, which every screen depth holds exactly.
// The pattern puts them so that each pixel differs from its eight neighbours.
ColorValue PatternAt(std::int32_t x, std::int32_t y);
inline constexpr ColorValue Red = Rgb(255, 0, 0);
inline constexpr ColorValue Blue = Rgb(0, 0, 255);

// The X pixel of one of those colours on the root's visual.
unsigned long PixelOf(Display* display, ColorValue color);
// Paints the whole root window with the pattern.
void PaintPattern(Display* display);
PixelRect RootOf(Display* display);
bool HasExtension(Display* display, const char* name);

// The colours of a captured area, row by row, and what they must be: the pattern where `shows`
// holds, black elsewhere.
std::vector<ColorValue> ColorsOf(const Picture& picture);
std::vector<ColorValue> PatternOr(
    const PixelRect& area, const std::function<bool(std::int32_t, std::int32_t)>& shows,
    const std::function<ColorValue(std::int32_t, std::int32_t)>& colorAt = PatternAt);

// Polls until `done` holds; false when it did not within the time.
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Through XTest, each handled by the server before it returns.
void MovePointer(Display* display, int x, int y);
void PressButton(Display* display, unsigned button, bool down);
void ClickButton(Display* display, unsigned button);
