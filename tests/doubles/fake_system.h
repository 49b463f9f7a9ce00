#pragma once

#include <map>
#include <string>
#include <vector>

#include "ports/environment.h"
#include "ports/popup_menu.h"
#include "ports/registry.h"

// Registry values in a map keyed by "HKCU\subkey\name" (or "HKU\..."); writes also logged.
class FakeRegistry : public Registry {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // "name=data", in order
    bool refuse = false;              // writes and deletes fail and change nothing

    static std::string Key(Hive hive, const std::string& subkey, const std::string& name) {
        return (hive == Hive::Users ? "HKU\\" : "HKCU\\") + subkey + "\\" + name;
    }
    void SetSetting(const std::string& name, const std::string& data) {
        values[Key(Hive::CurrentUser, "Software\\Korvane-Software\\Magnifier", name)] = data;
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

class FakeEnvironment : public Environment {
  public:
    std::map<std::string, std::int32_t> files;  // path -> length
    std::string exePath = "C:\\Tools\\zedez.exe";

    bool winNT = true;

    bool IsWinNT() override { return winNT; }
    std::string ExePath() override { return exePath; }
    std::int32_t FileLength(const std::string& p) override {
        return files.count(p) ? files[p] : -1;
    }
};

// Logs where each showing opens; the user always dismisses it.
class FakePopupMenu : public PopupMenu {
  public:
    struct Showing {
        std::int32_t x, y;
        MenuAlignment alignment;
    };
    std::vector<Showing> showings;

    int Track(const std::vector<MenuEntry>&, std::int32_t x, std::int32_t y,
              MenuAlignment alignment) override {
        showings.push_back({x, y, alignment});
        return 0;
    }
};
