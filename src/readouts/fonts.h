#pragma once

// The faces and sizes the read-outs print in. The coordinate read-out's face and size, bold, is
// also the window's font from start-up, which the color read-out keeps bold until the
// coordinate read-out first runs.
struct FontChoice {
    const char* face;
    float points;
};

inline constexpr FontChoice CoordinateFont{"Tahoma", 7};
// Any fixed-pitch face of this size keeps the columns of figures in line where it is missing.
inline constexpr FontChoice ColorReadoutFont{"Terminal", 6};
