#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/popup_menu.h"
#include "platform/registry.h"

// Registry values in a map keyed by "hive\subkey\name"; writes are also logged in order.
class FakeRegistry : public Registry {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // "name=data"

    static std::string Key(Hive hive, const std::string& subkey, const std::string& name) {
        return (hive == Hive::Users ? "HKU\\" : "HKCU\\") + subkey + "\\" + name;
    }
    void SetSetting(const std::string& name, const std::string& data) {
        values[Key(Hive::CurrentUser, "Software\\Korvane-Software\\Magnifier", name)] = data;
    }
    std::optional<std::string> ReadString(Hive hive, const std::string& subkey,
                                          const std::string& name) override {
        const auto found = values.find(Key(hive, subkey, name));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    bool WriteString(Hive hive, const std::string& subkey, const std::string& name,
                     const std::string& data) override {
        values[Key(hive, subkey, name)] = data;
        writes.push_back(name + "=" + data);
        return true;
    }
    bool DeleteValue(Hive hive, const std::string& subkey, const std::string& name) override {
        return values.erase(Key(hive, subkey, name)) == 1;
    }
};

class FakeEnvironment : public Environment {
  public:
    bool winNT = true;
    std::string exePath = "C:\\Tools\\zedez.exe";
    std::map<std::string, std::int32_t> files;  // path -> length

    bool IsWinNT() override { return winNT; }
    std::string ExePath() override { return exePath; }
    std::int32_t FileLength(const std::string& path) override {
        const auto found = files.find(path);
        return found == files.end() ? -1 : found->second;
    }
};

// Picks the queued indexes in turn (0, dismissed, once the queue is empty) and logs each showing.
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
        if (picks.empty()) {
            return 0;
        }
        const std::int16_t picked = picks.front();
        picks.pop_front();
        return picked;
    }
};
