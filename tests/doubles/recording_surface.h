#pragma once

#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "ports/drawing_surface.h"

// A surface that draws nothing and logs each setting and drawing operation as one string:
// "fore RRGGBB", "mode 7", "width 2", "Tahoma", "size 7", "bold 0", "TEXT@x,y RRGGBB" for a print,
// "line x1,y1 x2,y2 RRGGBB", "fill ..." and "frame ..."; positions in twips divided by `unit`.
// Text is charWidth twips a byte.
class RecordingSurface : public DrawingSurface {
  public:
    float width = 1920, height = 1920;  // 128 px at 15 twips per pixel
    float pixelWidth = 15, pixelHeight = 15, charWidth = 75, lineHeight = 180, unit = 1;
    ColorValue foreColor = 0;
    int drawMode = DrawModes::CopyPen, drawWidth = 1;
    std::string fontName = "Tahoma";
    float fontSize = 7, currentX = 0, currentY = 0;
    bool fontBold = true;
    std::vector<std::string> log;

    float ScaleWidth() const override { return width; }
    float ScaleHeight() const override { return height; }
    float PixelWidth() const override { return pixelWidth; }
    float PixelHeight() const override { return pixelHeight; }
    ColorValue ForeColor() const override { return foreColor; }
    void SetForeColor(ColorValue c) override { Log("fore ", Hex(foreColor = c)); }
    int DrawMode() const override { return drawMode; }
    void SetDrawMode(int mode) override { Log("mode ", drawMode = mode); }
    int DrawWidth() const override { return drawWidth; }
    void SetDrawWidth(int pixels) override { Log("width ", drawWidth = pixels); }
    void SetFontName(const std::string& face) override { Log(fontName = face); }
    void SetFontSize(float points) override { Log("size ", fontSize = points); }
    void SetFontBold(bool bold) override { Log("bold ", fontBold = bold); }
    void SetCurrentX(float twips) override { currentX = twips; }
    void SetCurrentY(float twips) override { currentY = twips; }
    void Print(const std::string& text) override {
        Log(text, '@', currentX / unit, ',', currentY / unit, ' ', Hex(foreColor));
    }
    float TextWidth(const std::string& text) const override { return charWidth * text.size(); }
    float TextHeight(const std::string&) const override { return lineHeight; }
    void DrawLine(float x1, float y1, float x2, float y2, ColorValue c) override {
        Log("line ", x1 / unit, ',', y1 / unit, ' ', x2 / unit, ',', y2 / unit, ' ', Hex(c));
    }
    void FillBox(float x1, float y1, float x2, float y2, ColorValue c) override {
        Log("fill ", x1 / unit, ',', y1 / unit, ' ', x2 / unit, ',', y2 / unit, ' ', Hex(c));
    }
    void FrameBox(float x1, float y1, float x2, float y2, ColorValue c) override {
        Log("frame ", x1 / unit, ',', y1 / unit, ' ', x2 / unit, ',', y2 / unit, ' ', Hex(c));
    }

  private:
    template <class... Parts>
    void Log(const Parts&... parts) {
        std::ostringstream entry;
        (entry << ... << parts);
        log.push_back(entry.str());
    }
    static std::string Hex(ColorValue c) {  // red first
        std::ostringstream digits;
        digits << std::hex << std::setfill('0') << std::setw(6) << Rgb(c >> 16, c >> 8, c);
        return digits.str();
    }
};
