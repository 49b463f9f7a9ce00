#include "readouts/center_cross.h"

namespace {

constexpr ColorValue LineColor = 0xFFFFFF;
constexpr int LineWidthPixels = 2;

}  // namespace

void DrawCenterCrossOn(DrawingSurface& surface) {
    const ColorValue foreColor = surface.ForeColor();
    surface.SetForeColor(0);
    const int drawMode = surface.DrawMode();
    const int drawWidth = surface.DrawWidth();
    // Exclusive-or keeps the white lines visible on white: they invert what lies beneath.
    surface.SetDrawMode(DrawModes::XorPen);
    surface.SetDrawWidth(LineWidthPixels);

    // Halves in twips, not whole pixels: on an odd-sized view the line sits between two pixels.
    const float width = surface.ScaleWidth();
    const float height = surface.ScaleHeight();
    surface.DrawLine(width / 2, 0, width / 2, height, LineColor);
    surface.DrawLine(0, height / 2, width, height / 2, LineColor);

    surface.SetForeColor(foreColor);
    surface.SetDrawMode(drawMode);
    surface.SetDrawWidth(drawWidth);
}
