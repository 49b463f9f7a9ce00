#pragma once

#include <optional>
#include <string>

// Per-user store of text values addressed by (application, section, key).
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text (an empty one stays empty), or nothing when the key has no value.
    virtual std::optional<std::string> Read(const std::string& app, const std::string& section,
                                            const std::string& key) = 0;
    virtual bool Write(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& text) = 0;
};
