#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "ports/drawing_surface.h"

// Logs each call: "TEXT@x,y RRGGBB" a print, "fill l,t r,b RRGGBB", "cross x,y w"; `fonts` the
// font of each print and measurement. Every byte of a text is charWidth by lineHeight pixels.
class RecordingSurface : public DrawingSurface {
  public:
    PixelSize size{128, 128};
    int dpi = 96;
    std::int32_t charWidth = 5, lineHeight = 12;
    std::vector<std::string> log;
    std::vector<FontSpec> fonts;

    PixelSize Size() const override { return size; }
    int Dpi() const override { return dpi; }
    PixelSize MeasureText(const std::string& text, const FontSpec& font) override {
        fonts.push_back(font);
        return {charWidth * static_cast<std::int32_t>(text.size()), lineHeight};
    }
    void PrintText(std::int32_t x, std::int32_t y, const std::string& text, const FontSpec& font,
                   Color c) override {
        Log(text, '@', x, ',', y, ' ', Hex(c));
        fonts.push_back(font);
    }
    void FillBox(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, Color c) override {
        Log("fill ", l, ',', t, ' ', r, ',', b, ' ', Hex(c));
    }
    void InvertCross(std::int32_t x, std::int32_t y, std::int32_t width) override {
        Log("cross ", x, ',', y, ' ', width);
    }

  private:
    template <class... Parts>
    void Log(const Parts&... parts) {
        std::ostringstream entry;
        (entry << ... << parts);
        log.push_back(entry.str());
    }
    static std::string Hex(Color c) {  // red first
        char digits[8];
        std::snprintf(digits, sizeof digits, "%06x", static_cast<unsigned>(PixelOf(c)));
        return digits;
    }
};
