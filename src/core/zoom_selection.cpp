#include "core/zoom_selection.h"

float ZoomFactorOf(std::int16_t zoomIndex) {
    return static_cast<float>(static_cast<double>(zoomIndex) / 100.0);
}

std::optional<float> CheckZoomItem(OptionTable& table, std::int16_t zoom) {
    for (const OptionItem& item : table.Items()) {
        if (IsZoomIndex(item.index)) {
            table.SetChecked(item.index, false);
        }
    }
    if (zoom < 1) {
        return std::nullopt;
    }
    table.SetChecked(zoom, true);
    return ZoomFactorOf(zoom);
}

std::int16_t FindCheckedZoom(const OptionTable& table, float& zoomFactor) {
    std::int16_t found = 0;
    for (const OptionItem& item : table.Items()) {
        // The highest checked index wins, whatever the menu order.
        if (IsZoomIndex(item.index) && item.checked && item.index > found) {
            found = static_cast<std::int16_t>(item.index);
        }
    }
    if (found != 0) {
        zoomFactor = ZoomFactorOf(found);
    }
    return found;
}
