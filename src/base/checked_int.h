#pragma once

#include <cstdint>
#include <limits>
#include <optional>

// A whole number worked out in 64 bits, as a 32-bit one; nothing when it does not fit. Where the
// program's arithmetic is 32-bit, a result out of range makes its step fail rather than wrap.
inline std::optional<std::int32_t> ToInt32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}
