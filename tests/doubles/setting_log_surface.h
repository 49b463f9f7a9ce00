#pragma once

#include <string>
#include <vector>

#include "doubles/recording_surface.h"

// A recording surface that also logs every change of fore colour, draw mode and draw width, in
// order, and the fore colour in force at each line.
class SettingLogSurface : public RecordingSurface {
  public:
    std::vector<std::string> settings;
    std::vector<ColorValue> foreColorAtLines;

    void SetForeColor(ColorValue c) override {
        settings.push_back("fore " + std::to_string(c));
        RecordingSurface::SetForeColor(c);
    }
    void SetDrawMode(int mode) override {
        settings.push_back("mode " + std::to_string(mode));
        RecordingSurface::SetDrawMode(mode);
    }
    void SetDrawWidth(int pixels) override {
        settings.push_back("width " + std::to_string(pixels));
        RecordingSurface::SetDrawWidth(pixels);
    }
    void DrawLine(float x1, float y1, float x2, float y2, ColorValue c) override {
        foreColorAtLines.push_back(foreColor);
        RecordingSurface::DrawLine(x1, y1, x2, y2, c);
    }
};
