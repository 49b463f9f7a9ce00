#pragma once

#include <cstdint>

#include "base/color.h"
#include "ports/picture.h"

// Lays `image`, premultiplied ARGB pixels (alpha in the highest byte, then red, green, blue, as a
// mouse cursor comes), over `target` with the image's top-left at (left, top) of the target. What
// falls outside the target is left out; the target's unused byte is kept.
void BlendPremultiplied(const ConstPixelBlock& image, const PixelBlock& target, std::int32_t left,
                        std::int32_t top);
