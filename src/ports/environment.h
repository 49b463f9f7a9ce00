#pragma once

#include <cstdint>
#include <string>

// What start-up and the autorun entry ask of the operating system. Paths are UTF-8.
class Environment {
  public:
    virtual ~Environment() = default;
    // True on the Windows NT family (and wherever else the program is meant to run).
    virtual bool IsWinNT() = 0;
    // Full path of the running executable; empty when the system does not say.
    virtual std::string ExePath() = 0;
    // Length in bytes of an existing, readable file (not a folder, no wildcards), else -1.
    // Lengths beyond the 32-bit range read as its largest value.
    virtual std::int32_t FileLength(const std::string& path) = 0;
};
