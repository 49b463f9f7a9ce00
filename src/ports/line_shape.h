#pragma once

// A line drawn over the window's picture, in the window's twips, like a toolkit line shape.
struct LineShape {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    bool Visible = false;
    bool operator==(const LineShape&) const = default;
};
