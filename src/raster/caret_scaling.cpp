#include "raster/caret_scaling.h"

#include "base/rounding.h"

CaretInfo CaretInPhysicalPixels(const CaretInfo& logical, int windowDpi, int monitorDpi) {
    if (windowDpi <= 0 || monitorDpi <= 0 || windowDpi == monitorDpi) {
        return logical;
    }
    const double scale = static_cast<double>(monitorDpi) / windowDpi;
    return {RoundToInt32(logical.x * scale), RoundToInt32(logical.top * scale),
            RoundToInt32(logical.height * scale)};
}
