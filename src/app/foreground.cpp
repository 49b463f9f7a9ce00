#include "app/foreground.h"

void ApplyTopmost(FormWindow& form, bool onTop) {
    form.PlaceWindow(form.OuterRect(), onTop);
}
