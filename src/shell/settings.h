#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/option_table.h"
#include "ports/settings_store.h"

// The stored window rectangle in screen pixels (outer, frame included).
struct StoredWindowRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Reads a stored text as a number the forgiving way stored settings have always been read:
// blanks, tabs and line feeds are ignored wherever they stand, then the longest prefix that forms
// a decimal number is taken ("." is the separator), &H and &O prefixes read hexadecimal and octal,
// and a text without such a prefix is 0.
double DecodeNumber(std::string_view text);

// A number as it is stored: whole numbers without a fraction ("32"), others with up to 15
// significant digits and always "." as the separator, which is all the reader accepts.
std::string SettingText(double value);

// Reads the window's rectangle, then each flag item, checked exactly when its stored number
// equals 1, in the order start-up reads them.
StoredWindowRect ReadWindowAndFlags(SettingsStore& store, OptionTable& options);

// The stored zoom index, rounded halves to even; a value that does not round into 1..1999 (no
// number, 0, negative, too large) reads as the first run's: it would leave a view of almost
// nothing.
std::int16_t ReadZoom(SettingsStore& store);

// Writes all sixteen values, changed or not: the window's top, left, width and height, the zoom
// index (0 when none is checked), then the flags in menu order, "1" or "0"; then commits them.
void WriteSettings(SettingsStore& store, const StoredWindowRect& window, std::int16_t zoom,
                   const OptionTable& options);
