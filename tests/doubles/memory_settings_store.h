#pragma once

#include <map>
#include <string>

#include "platform/settings_store.h"

// Settings held in a map keyed by "app/section/key".
class MemorySettingsStore : public SettingsStore {
  public:
    std::map<std::string, std::string> values;

    void Set(const std::string& key, const std::string& text) {
        values["Korvane-Software/Magnifier/" + key] = text;
    }
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override {
        const auto found = values.find(app + "/" + section + "/" + key);
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& text) override {
        values[app + "/" + section + "/" + key] = text;
        return true;
    }
};
