#pragma once

#include "ports/environment.h"

class Win32Environment : public Environment {
  public:
    bool IsWinNT() override;
    std::string ExePath() override;
    std::int32_t FileLength(const std::string& path) override;
};
