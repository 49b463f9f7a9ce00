#pragma once

#include <concepts>
#include <cstdint>

// The program's own codes for what the user presses; each backend maps its system's codes to
// them.

// The keys the program answers; any other key is Other.
enum class Key { Other, F1, F4, ContextMenu };

// Sets of modifier keys and of mouse buttons, compared whole: a combination counts only with
// nothing else held. A wheel is no button. (No enumerator is called None: X defines it.)
enum class Modifiers : std::uint8_t { NoModifier = 0, Shift = 1, Ctrl = 2, Alt = 4 };
enum class Buttons : std::uint8_t { NoButton = 0, Left = 1, Right = 2, Middle = 4 };

template <typename Set>
concept BitSet = std::same_as<Set, Modifiers> || std::same_as<Set, Buttons>;

template <BitSet Set>
constexpr Set operator|(Set a, Set b) {
    return static_cast<Set>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

template <BitSet Set>
constexpr Set& operator|=(Set& a, Set b) {
    return a = a | b;
}
