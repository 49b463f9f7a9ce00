#pragma once

#include <cstdint>

// A colour of the screen or of what the program draws over it.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Color&) const = default;
};

constexpr Color Rgb(int red, int green, int blue) {
    return {static_cast<std::uint8_t>(red & 0xFF), static_cast<std::uint8_t>(green & 0xFF),
            static_cast<std::uint8_t>(blue & 0xFF)};
}

// A 32-bit pixel of a picture: blue in the lowest byte, then green and red, the top byte unused.
constexpr std::uint32_t PixelOf(Color color) {
    return std::uint32_t{color.red} << 16 | std::uint32_t{color.green} << 8 | color.blue;
}

constexpr Color ColorOfPixel(std::uint32_t pixel) {
    return Rgb(static_cast<int>(pixel >> 16), static_cast<int>(pixel >> 8),
               static_cast<int>(pixel));
}
