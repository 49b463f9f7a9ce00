#pragma once

#include <cstdint>
#include <string>

#include "ports/environment.h"

// The Windows NT family is what the program serves; Windows 95, 98 and ME it refuses.
class Win32Environment : public Environment {
  public:
    SystemSupport CheckSystem() override;
};

// Full path of the running executable, UTF-8; empty when the system does not say.
std::string ExePath();

// Length in bytes of an existing, readable file (not a folder or a hidden or system file, no
// wildcards), else -1. Lengths beyond the 32-bit range read as its largest value.
std::int32_t FileLength(const std::string& path);
