#pragma once

#include <cstdint>

// A bitmap owned by the platform; it is freed when the picture object goes away.
class Picture {
  public:
    virtual ~Picture() = default;
    virtual std::int32_t Width() const = 0;   // pixels
    virtual std::int32_t Height() const = 0;  // pixels
};
