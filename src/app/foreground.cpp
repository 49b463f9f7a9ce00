#include "app/foreground.h"

#include "base/rounding.h"

void ApplyTopmost(FormWindow& form, bool onTop) {
    const double tx = form.ScreenTwipsPerPixelX();
    const double ty = form.ScreenTwipsPerPixelY();
    if (!(tx > 0) || !(ty > 0)) {
        return;
    }
    form.PlaceWindow(RoundToInt32(form.Left() / tx), RoundToInt32(form.Top() / ty),
                     RoundToInt32(form.Width() / tx), RoundToInt32(form.Height() / ty), onTop);
}
