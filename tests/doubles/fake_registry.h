#pragma once

#include <map>
#include <string>
#include <vector>

#include "win32/registry_texts.h"

// Registry values in a map keyed by "HKCU\subkey\name" (or "HKU\..."); writes also logged.
class FakeRegistry : public RegistryTexts {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // "name=data", in order
    bool refuse = false;              // writes and deletes fail and change nothing

    static std::string Key(Hive hive, const std::string& subkey, const std::string& name) {
        return (hive == Hive::Users ? "HKU\\" : "HKCU\\") + subkey + "\\" + name;
    }
    std::optional<std::string> ReadString(Hive h, const std::string& k,
                                          const std::string& n) override {
        const auto found = values.find(Key(h, k, n));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool WriteString(Hive h, const std::string& k, const std::string& n,
                     const std::string& data) override {
        return !refuse && (writes.push_back(n + "=" + (values[Key(h, k, n)] = data)), true);
    }
    bool DeleteValue(Hive h, const std::string& k, const std::string& n) override {
        return !refuse && values.erase(Key(h, k, n)) == 1;
    }
};
