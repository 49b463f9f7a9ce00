#include "app/layout.h"

void EnforceMinimumSize(FormWindow& form, TwipsPerPixel twips) {
    if (static_cast<double>(form.Width()) / twips.x < MinWindowWidthPx) {
        form.SetWidth(static_cast<float>(twips.x * MinWindowWidthPx));
    }
    if (static_cast<double>(form.Height()) / twips.y < MinWindowHeightPx) {
        form.SetHeight(static_cast<float>(twips.y * MinWindowHeightPx));
    }
}

void EndMeasuringLineAtCenter(const FormWindow& form, LineShape& LA) {
    LA.X2 = form.ScaleWidth() / 2;
    LA.Y2 = form.ScaleHeight() / 2;
}
