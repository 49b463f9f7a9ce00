#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"

// One drawing operation in twips; a print's (x1, y1) is its position, its colour the fore colour.
struct SurfaceCall {
    enum class Op { Print, Line, FillBox, FrameBox } op;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    ColorValue colour = 0;
    std::string text = "";
    bool operator==(const SurfaceCall&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const SurfaceCall& c) {
        return out << int(c.op) << " (" << c.x1 << ", " << c.y1 << ")-(" << c.x2 << ", " << c.y2
                   << ") " << c.colour << " '" << c.text << "'";
    }
};

// A surface that draws nothing: it keeps every drawing operation in `calls` and, in `log`, every
// setting and the kind of every operation, in order. Text is charWidth twips a byte.
class RecordingSurface : public DrawingSurface {
  public:
    float width = 1920, height = 1920;  // 128 px at 15 twips per pixel
    float pixelWidth = 15, pixelHeight = 15, charWidth = 75, lineHeight = 180;
    ColorValue foreColor = 0;
    int drawMode = DrawModes::CopyPen, drawWidth = 1;
    std::string fontName = "Tahoma";
    float fontSize = 7;
    bool fontBold = true;
    float currentX = 0, currentY = 0;
    std::vector<SurfaceCall> calls;
    std::vector<std::string> log;

    float ScaleWidth() const override { return width; }
    float ScaleHeight() const override { return height; }
    float PixelWidth() const override { return pixelWidth; }
    float PixelHeight() const override { return pixelHeight; }
    ColorValue ForeColor() const override { return foreColor; }
    void SetForeColor(ColorValue c) override { Note("fore ", foreColor = c); }
    int DrawMode() const override { return drawMode; }
    void SetDrawMode(int mode) override { Note("mode ", drawMode = mode); }
    int DrawWidth() const override { return drawWidth; }
    void SetDrawWidth(int pixels) override { Note("width ", drawWidth = pixels); }
    void SetFontName(const std::string& face) override { log.push_back(fontName = face); }
    void SetFontSize(float points) override { Note("size ", static_cast<int>(fontSize = points)); }
    void SetFontBold(bool bold) override { Note("bold ", fontBold = bold); }
    std::string FontName() const override { return fontName; }
    float FontSize() const override { return fontSize; }
    bool FontBold() const override { return fontBold; }
    void SetCurrentX(float twips) override { currentX = twips; }
    void SetCurrentY(float twips) override { currentY = twips; }
    void Print(const std::string& text) override {
        Record({SurfaceCall::Op::Print, currentX, currentY, 0, 0, foreColor, text}, "print");
    }
    float TextWidth(const std::string& text) const override {
        return charWidth * static_cast<float>(text.size());
    }
    float TextHeight(const std::string&) const override { return lineHeight; }
    void DrawLine(float x1, float y1, float x2, float y2, ColorValue c) override {
        Record({SurfaceCall::Op::Line, x1, y1, x2, y2, c}, "line");
    }
    void FillBox(float x1, float y1, float x2, float y2, ColorValue c) override {
        Record({SurfaceCall::Op::FillBox, x1, y1, x2, y2, c}, "fill");
    }
    void FrameBox(float x1, float y1, float x2, float y2, ColorValue c) override {
        Record({SurfaceCall::Op::FrameBox, x1, y1, x2, y2, c}, "frame");
    }

  private:
    void Note(const char* what, int value) { log.push_back(what + std::to_string(value)); }
    void Record(const SurfaceCall& call, const char* kind) {
        calls.push_back(call);
        log.push_back(kind);
    }
};
