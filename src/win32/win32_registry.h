#pragma once

#include "win32/registry_texts.h"

// The registry through the Unicode entry points, so that any path and any text round-trips.
class Win32Registry : public RegistryTexts {
  public:
    std::optional<std::string> ReadString(Hive hive, const std::string& subkey,
                                          const std::string& name) override;
    bool WriteString(Hive hive, const std::string& subkey, const std::string& name,
                     const std::string& data) override;
    bool DeleteValue(Hive hive, const std::string& subkey, const std::string& name) override;
};
