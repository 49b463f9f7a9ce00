#pragma once

#include <optional>
#include <string>

// The registry as the program's settings, autostart entry and language read it: text values
// only. Free of <windows.h>, so that what is built on it is tested on any system.

// The two hives the program reads; only the current user's is ever written.
enum class Hive { CurrentUser, Users };

// Texts and paths are UTF-8; subkeys are written with backslashes. No call creates anything but
// WriteString, and no failure is reported beyond the result.
class RegistryTexts {
  public:
    virtual ~RegistryTexts() = default;
    // The value's text when it exists and is a plain text (REG_SZ), cut at its first NUL; any
    // length. Nothing for a missing key or value or one of another type.
    virtual std::optional<std::string> ReadString(Hive hive, const std::string& subkey,
                                                  const std::string& name) = 0;
    // Creates the key (and its parents) as needed and stores a REG_SZ value.
    virtual bool WriteString(Hive hive, const std::string& subkey, const std::string& name,
                             const std::string& data) = 0;
    virtual bool DeleteValue(Hive hive, const std::string& subkey, const std::string& name) = 0;
};
