#pragma once

#include <map>
#include <string>
#include <vector>

#include "ports/autostart_entry.h"
#include "ports/environment.h"
#include "ports/popup_menu.h"
#include "ports/settings_store.h"

// Settings in a map; every read, write and commit logged in order ("read NAME", "NAME=TEXT",
// "commit").
class FakeSettingsStore : public SettingsStore {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> log;

    std::optional<std::string> Read(const std::string& name) override {
        log.push_back("read " + name);
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void Write(const std::string& name, const std::string& text) override {
        log.push_back(name + "=" + (values[name] = text));
    }
    void Commit() override { log.push_back("commit"); }
};

// An entry that names this program once registered; `refuse` makes changes fail.
class FakeAutostart : public AutostartEntry {
  public:
    bool registered = false, refuse = false;
    std::vector<std::string>* log = nullptr;  // notes "autostart asked" at start-up's question

    void Register() override { registered = registered || !refuse; }
    void Unregister() override { registered = registered && refuse; }
    bool NamesAnExistingFile() override {
        if (log != nullptr) {
            log->push_back("autostart asked");
        }
        return registered;
    }
    bool NamesThisProgram() override { return registered; }
};

class FakeEnvironment : public Environment {
  public:
    SystemSupport CheckSystem() override { return SystemSupport::Supported; }
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
