#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/option_table.h"
#include "ports/registry.h"

// Where the settings live: (application, section) of the per-user store, which is the key
// HKEY_CURRENT_USER\Software\<application>\<section>. These names, and the keys below, are what
// every installation has stored; they never change.
inline constexpr const char* SettingsApp = "Korvane-Software";
inline constexpr const char* SettingsSection = "Magnifier";

// The stored window rectangle in screen pixels (outer, frame included).
struct StoredWindowRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

enum class StoredKind { WindowEdge, Zoom, Flag };

// One stored value, with the text a missing one reads as: an edge of the window rectangle, the
// zoom index, or the checked state of an option item ("1" or "0").
struct StoredValue {
    const char* key;
    StoredKind kind;
    const char* firstRun;
    double StoredWindowRect::*edge = nullptr;  // window edges only
    std::int16_t item = 0;                     // flags only
};

// Every stored value, in the order they are written.
inline constexpr std::array<StoredValue, 16> StoredValues{{
    {"Window.Top", StoredKind::WindowEdge, "32", &StoredWindowRect::top},
    {"Window.Left", StoredKind::WindowEdge, "32", &StoredWindowRect::left},
    {"Window.Width", StoredKind::WindowEdge, "128", &StoredWindowRect::width},
    {"Window.Height", StoredKind::WindowEdge, "128", &StoredWindowRect::height},
    {"Set.Zoom", StoredKind::Zoom, "200"},
    {"Set.AutoRefresh", StoredKind::Flag, "1", nullptr, Item::AutoRefresh},
    {"Set.FollowMouse", StoredKind::Flag, "1", nullptr, Item::FollowMouse},
    {"Set.FollowText", StoredKind::Flag, "1", nullptr, Item::FollowText},
    {"Set.ShowCursor", StoredKind::Flag, "1", nullptr, Item::ShowMouseCursor},
    {"Set.ShowLines", StoredKind::Flag, "1", nullptr, Item::ShowLines},
    {"Set.ShowCoordinates", StoredKind::Flag, "1", nullptr, Item::ShowCoordinates},
    {"Set.ShowColorsHex", StoredKind::Flag, "1", nullptr, Item::ShowColorsHex},
    {"Set.ShowColorsDec", StoredKind::Flag, "1", nullptr, Item::ShowColorsDec},
    {"Set.ShowColorsCMY", StoredKind::Flag, "0", nullptr, Item::ShowColorsCMY},
    {"Set.ShowColorsCMYK", StoredKind::Flag, "0", nullptr, Item::ShowColorsCMYK},
    {"Window.OnTop", StoredKind::Flag, "1", nullptr, Item::OnTop},
}};

// Reads a stored text as a number the forgiving way stored settings have always been read:
// blanks, tabs and line feeds are ignored wherever they stand, then the longest prefix that forms
// a decimal number is taken ("." is the separator), &H and &O prefixes read hexadecimal and octal,
// and a text without such a prefix is 0.
double DecodeNumber(std::string_view text);

// A number as it is stored: whole numbers without a fraction ("32"), others with up to 15
// significant digits and always "." as the separator, which is all the reader accepts.
std::string SettingText(double value);

struct StoredSettings {
    StoredWindowRect window;
    // Rounded halves to even; a value that does not round into 1..1999 (no number, 0, negative,
    // too large) reads as the first run's: it would leave a view of almost nothing.
    std::int16_t zoom = 0;
};

// Reads every stored value; each flag item is checked exactly when its stored number equals 1.
StoredSettings ReadSettings(Registry& store, OptionTable& options);

// Writes all sixteen values, changed or not, in table order: the zoom index is 0 when none is
// checked, the flags "1" or "0".
void WriteSettings(Registry& store, const StoredWindowRect& window, std::int16_t zoom,
                   const OptionTable& options);
