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

// The zoom of a first run, and of a stored zoom that selects no view at all.
inline constexpr std::int16_t DefaultZoom = 200;

struct FlagSetting {
    const char* key;
    std::int16_t item;
    const char* defaultText;
};

// In the order they are read and written.
inline constexpr std::array<FlagSetting, 11> FlagSettings{{
    {"Set.AutoRefresh", Item::AutoRefresh, "1"},
    {"Set.FollowMouse", Item::FollowMouse, "1"},
    {"Set.FollowText", Item::FollowText, "1"},
    {"Set.ShowCursor", Item::ShowMouseCursor, "1"},
    {"Set.ShowLines", Item::ShowLines, "1"},
    {"Set.ShowCoordinates", Item::ShowCoordinates, "1"},
    {"Set.ShowColorsHex", Item::ShowColorsHex, "1"},
    {"Set.ShowColorsDec", Item::ShowColorsDec, "1"},
    {"Set.ShowColorsCMY", Item::ShowColorsCMY, "0"},
    {"Set.ShowColorsCMYK", Item::ShowColorsCMYK, "0"},
    {"Window.OnTop", Item::OnTop, "1"},
}};

// The stored window rectangle in screen pixels (outer, frame included); a first run's as it is
// made here.
struct StoredWindowRect {
    double left = 32;
    double top = 32;
    double width = 128;
    double height = 128;
};
inline constexpr StoredWindowRect FirstRunWindow{};

// Reads a stored text as a number the forgiving way stored settings have always been read:
// blanks, tabs and line feeds are ignored wherever they stand, then the longest prefix that forms
// a decimal number is taken ("." is the separator), &H and &O prefixes read hexadecimal and octal,
// and a text without such a prefix is 0.
double DecodeNumber(std::string_view text);

// A number as it is stored: whole numbers without a fraction ("32"), others with up to 15
// significant digits and always "." as the separator, which is all the reader accepts.
std::string SettingText(double value);

std::string ReadSetting(Registry& store, const std::string& key, const std::string& fallback);
StoredWindowRect ReadWindowRect(Registry& store);
// Each flag item is checked exactly when its stored number equals 1.
void ReadFlags(Registry& store, OptionTable& options);
// The stored zoom index, rounded halves-to-even. A value that does not round into 1..1999 (no
// number, 0, negative, too large) gives DefaultZoom: it would leave a view of almost nothing.
std::int16_t ReadZoom(Registry& store);

// Writes all sixteen keys, changed or not: the rectangle (top, left, width, height), the zoom
// index (0 when none is checked), then the flags as "1" or "0".
void WriteSettings(Registry& store, const StoredWindowRect& rect, std::int16_t zoom,
                   const OptionTable& options);
