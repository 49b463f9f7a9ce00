#pragma once

#include <string>
#include <vector>

#include "platform/drawing_surface.h"

// One drawing operation as the recording surface saw it. Coordinates in twips.
struct SurfaceCall {
    enum class Op { Print, Line, FillBox, FrameBox } op;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Print: (x1, y1) is the print position
    ColorValue colour = 0;                 // Print: the fore colour at the time
    std::string text;
    int drawMode = DrawModes::CopyPen;
    int drawWidth = 1;
    std::string fontName;
    float fontSize = 0;
    bool fontBold = false;
};

// A drawing surface that draws nothing and records every operation, with text measured as
// charWidth twips a character and lineHeight twips high.
class RecordingSurface : public DrawingSurface {
  public:
    float width = 1920;  // 128 px at 15 twips per pixel
    float height = 1920;
    float pixelWidth = 15;
    float pixelHeight = 15;
    float charWidth = 75;
    float lineHeight = 180;

    ColorValue foreColor = 0;
    int drawMode = DrawModes::CopyPen;
    int drawWidth = 1;
    std::string fontName = "Tahoma";
    float fontSize = 7;
    bool fontBold = true;
    float currentX = 0;
    float currentY = 0;
    std::vector<SurfaceCall> calls;

    float ScaleWidth() const override { return width; }
    float ScaleHeight() const override { return height; }
    float PixelWidth() const override { return pixelWidth; }
    float PixelHeight() const override { return pixelHeight; }
    ColorValue ForeColor() const override { return foreColor; }
    void SetForeColor(ColorValue c) override { foreColor = c; }
    int DrawMode() const override { return drawMode; }
    void SetDrawMode(int mode) override { drawMode = mode; }
    int DrawWidth() const override { return drawWidth; }
    void SetDrawWidth(int pixels) override { drawWidth = pixels; }
    void SetFontName(const std::string& face) override { fontName = face; }
    void SetFontSize(float points) override { fontSize = points; }
    void SetFontBold(bool bold) override { fontBold = bold; }
    std::string FontName() const override { return fontName; }
    float FontSize() const override { return fontSize; }
    bool FontBold() const override { return fontBold; }
    void SetCurrentX(float twips) override { currentX = twips; }
    void SetCurrentY(float twips) override { currentY = twips; }
    void Print(const std::string& text) override {
        calls.push_back(Record(SurfaceCall::Op::Print, currentX, currentY, 0, 0, foreColor, text));
    }
    float TextWidth(const std::string& text) const override {
        return charWidth * static_cast<float>(text.size());
    }
    float TextHeight(const std::string&) const override { return lineHeight; }
    void DrawLine(float x1, float y1, float x2, float y2, ColorValue c) override {
        calls.push_back(Record(SurfaceCall::Op::Line, x1, y1, x2, y2, c, {}));
    }
    void FillBox(float x1, float y1, float x2, float y2, ColorValue c) override {
        calls.push_back(Record(SurfaceCall::Op::FillBox, x1, y1, x2, y2, c, {}));
    }
    void FrameBox(float x1, float y1, float x2, float y2, ColorValue c) override {
        calls.push_back(Record(SurfaceCall::Op::FrameBox, x1, y1, x2, y2, c, {}));
    }

    std::vector<SurfaceCall> Calls(SurfaceCall::Op op) const {
        std::vector<SurfaceCall> found;
        for (const SurfaceCall& call : calls) {
            if (call.op == op) {
                found.push_back(call);
            }
        }
        return found;
    }

  private:
    SurfaceCall Record(SurfaceCall::Op op, float x1, float y1, float x2, float y2, ColorValue c,
                       std::string text) const {
        return SurfaceCall{op,       x1,        y1,       x2,       y2,      c, std::move(text),
                           drawMode, drawWidth, fontName, fontSize, fontBold};
    }
};
