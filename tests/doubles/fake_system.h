#pragma once

#include <deque>
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

    bool IsWinNT() override { return true; }
    std::string ExePath() override { return exePath; }
    std::int32_t FileLength(const std::string& path) override {
        return files.count(path) != 0 ? files[path] : -1;
    }
};

// Picks the queued indexes in turn (then 0, dismissed) and logs each showing.
class FakePopupMenu : public PopupMenu {
  public:
    struct Showing {
        std::vector<MenuEntry> entries;
        std::int32_t x, y;
        MenuAlignment alignment;
    };
    std::deque<std::int16_t> picks;
    std::vector<Showing> showings;

    std::int16_t Track(const std::vector<MenuEntry>& entries, std::int32_t x, std::int32_t y,
                       MenuAlignment alignment) override {
        showings.push_back({entries, x, y, alignment});
        const std::int16_t picked = picks.empty() ? 0 : picks.front();
        if (!picks.empty()) {
            picks.pop_front();
        }
        return picked;
    }
};
