#pragma once

#include <optional>
#include <string>

// The user's own store of the program's settings: texts by name, kept between runs.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The value's text; nothing when it was never stored. A stored empty text stays empty.
    virtual std::optional<std::string> Read(const std::string& name) = 0;
    // Not reported when it fails: the next start reads what the store kept.
    virtual void Write(const std::string& name, const std::string& text) = 0;
    // The writes so far belong together: a store that keeps them in memory saves them now.
    virtual void Commit() = 0;
};
