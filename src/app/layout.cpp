#include "app/layout.h"

#include <algorithm>

void EnforceMinimumSize(FormWindow& form) {
    PixelRect outer = form.OuterRect();
    if (outer.width >= MinWindowWidthPx && outer.height >= MinWindowHeightPx) {
        return;
    }
    outer.width = std::max(outer.width, MinWindowWidthPx);
    outer.height = std::max(outer.height, MinWindowHeightPx);
    form.Move(outer);
}

void StartMeasuringLineAtCenter(const FormWindow& form, MeasuringLine& line) {
    const PixelSize client = form.ClientSize();
    line.fromX = static_cast<float>(client.width) / 2;
    line.fromY = static_cast<float>(client.height) / 2;
}
