#pragma once

#include <cstdint>
#include <string>

// Full path of the running executable, where /proc/self/exe leads; empty when the system does
// not say.
std::string ExePath();

// Length in bytes of an existing, readable file (not a folder, a pipe or a device), else -1.
// Lengths beyond the 32-bit range read as its largest value.
std::int32_t FileLength(const std::string& path);
