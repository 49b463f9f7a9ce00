#pragma once

#include <cstdint>
#include <string>

// "major.minor" with the minor as two digits, then a suffix the revision selects: ".r" for 1-26,
// " Alpha n" for 1000-1999, " Beta n" for 100-199 and 2000-2999 (n left out when 0), "ß" for 255
// and 9999, nothing otherwise. 1.5.0 -> "1.05", 1.0.1001 -> "1.00 Alpha 1", 1.1.255 -> "1.01ß".
std::string VersionText(int major, int minor, int revision);

// The version text of this build.
std::string GetVersionText();
