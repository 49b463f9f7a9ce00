#pragma once

#include "ports/text_files.h"

// The user's files through the C library.
class PosixTextFiles : public TextFiles {
  public:
    std::optional<std::string> Read(const std::string& path) override;
    std::string Replace(const std::string& path, const std::string& text) override;
    std::string Remove(const std::string& path) override;
    std::int32_t Length(const std::string& path) override;
};
