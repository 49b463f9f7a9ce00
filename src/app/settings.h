#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/option_table.h"
#include "platform/settings_store.h"

// Where the settings live: (application, section) of the per-user store. These names, and the
// keys below, are what every installation has stored; they never change.
inline constexpr const char* SettingsApp = "Korvane-Software";
inline constexpr const char* SettingsSection = "Magnifier";

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

// The stored window rectangle in screen pixels (outer, frame included).
struct StoredWindowRect {
    double left = 32;
    double top = 32;
    double width = 128;
    double height = 128;
};

// Reads a stored text as a number the forgiving way stored settings have always been read:
// blanks, tabs and line feeds are ignored wherever they stand, then the longest prefix that forms
// a decimal number is taken ("." is the separator), &H and &O prefixes read hexadecimal and octal,
// and a text without such a prefix is 0.
double DecodeNumber(std::string_view text);

std::string ReadSetting(SettingsStore& store, const std::string& key, const std::string& fallback);
StoredWindowRect ReadWindowRect(SettingsStore& store);
// Each flag item is checked exactly when its stored number equals 1.
void ReadFlags(SettingsStore& store, OptionTable& options);
// The stored zoom index, rounded halves-to-even; 0 when it is no number or does not fit.
std::int16_t ReadZoom(SettingsStore& store);
