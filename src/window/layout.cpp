#include "window/layout.h"

void Form_Resize(FormWindow& form, TwipsPerPixel members, LineShape& LA) {
    if (static_cast<double>(form.Width()) / members.x < MinWindowWidthPx) {
        form.SetWidth(static_cast<float>(members.x * MinWindowWidthPx));
    }
    if (static_cast<double>(form.Height()) / members.y < MinWindowHeightPx) {
        form.SetHeight(static_cast<float>(members.y * MinWindowHeightPx));
    }
    LA.X1 = 0;
    LA.Y1 = 0;
    LA.X2 = form.ScaleWidth() / 2;
    LA.Y2 = form.ScaleHeight() / 2;
}
