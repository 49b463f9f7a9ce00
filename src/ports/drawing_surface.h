#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/color.h"
#include "base/geometry.h"

// A font as the read-outs ask for it; the surface makes it at the window's display scale.
struct FontSpec {
    std::string_view face;
    float points;
    bool bold;
    bool operator==(const FontSpec&) const = default;
};

// The main window's client area over the view picture, in pixels from its top-left corner.
// Every call carries what it draws with: the surface keeps no pen, colour or position. Texts are
// UTF-8.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    virtual PixelSize Size() const = 0;
    // The window's display scale in dots per inch (96 is 100 %), which its fonts are made for.
    virtual int Dpi() const = 0;
    // The extent of one line of `text`; an empty text is the font's height high.
    virtual PixelSize MeasureText(const std::string& text, const FontSpec& font) = 0;
    // The glyphs only, with the top-left of the text's cell at (x, y): what lies between them
    // stays visible.
    virtual void PrintText(std::int32_t x, std::int32_t y, const std::string& text,
                           const FontSpec& font, Color color) = 0;
    // The pixels from (left, top) to (right, bottom), both corners included.
    virtual void FillBox(std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom, Color color) = 0;
    // Inverts `lineWidth` columns down the whole surface and as many rows across it, the column
    // x and the row y being the second of each band; where they cross they invert twice.
    virtual void InvertCross(std::int32_t x, std::int32_t y, std::int32_t lineWidth) = 0;
};
