#pragma once

#include <cstdint>
#include <optional>

#include "core/option_table.h"

// The zoom factor of a zoom item: its index / 100, divided in double and stored as single.
float ZoomFactorOf(std::int16_t zoomIndex);

// Unchecks every zoom item and checks the item `zoom` if there is one. Returns the new zoom
// factor, also for an index that is not an item (150 gives 1.5); nothing for zoom < 1, which
// leaves every zoom item unchecked and the factor and layout alone.
std::optional<float> CheckZoomItem(OptionTable& table, std::int16_t zoom);

// The highest checked zoom index (0 if none); sets zoomFactor from it when there is one.
std::int16_t FindCheckedZoom(const OptionTable& table, float& zoomFactor);
