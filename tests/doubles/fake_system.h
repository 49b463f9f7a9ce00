#pragma once

#include <map>
#include <string>
#include <vector>

#include "ports/autostart_entry.h"
#include "ports/environment.h"
#include "ports/input_devices.h"
#include "ports/popup_menu.h"
#include "ports/screen_capture.h"
#include "ports/settings_store.h"
#include "ports/text_files.h"

// Pointer, buttons, pixel colour and caret as a test sets them; `reads` logs each query.
class FakeInputDevices : public InputDevices {
  public:
    ScreenPoint pointer;
    Buttons buttons = Buttons::NoButton;
    std::optional<Color> color = Color{};
    CaretInfo caret;
    std::string reads;  // "pointer buttons caret pixel 20,30 "

    ScreenPoint PointerPosition() override { return Read("pointer", pointer); }
    Buttons MouseButtons() override { return Read("buttons", buttons); }
    std::optional<Color> ScreenPixel(std::int32_t x, std::int32_t y) override {
        return Read("pixel " + std::to_string(x) + "," + std::to_string(y), color);
    }
    CaretInfo Caret() override { return Read("caret", caret); }
    void WatchCaret(bool on) override { reads += on ? "watch " : "unwatch "; }

  private:
    template <class T>
    T Read(const std::string& what, T answer) {
        reads += what + " ";
        return answer;
    }
};

// Records what it is asked to capture; hands out pictures of the asked size with no pixels.
class FakeScreenCapture : public ScreenCapture {
  public:
    struct CaptureCall {
        PixelRect area;
        bool withCursor;
        bool operator==(const CaptureCall&) const = default;
    };
    bool failCapture = false;
    int displayChanges = 0;
    std::vector<CaptureCall> captures;

    std::optional<Picture> CaptureScreenArea(const PixelRect& area, bool withCursor) override {
        captures.push_back({area, withCursor});
        return failCapture ? std::nullopt : std::optional(Picture{area.width, area.height, {}, {}});
    }
    std::optional<Color> CapturedPixel(std::int32_t, std::int32_t) const override {
        return std::nullopt;  // so that the program reads the screen
    }
    void DisplayChanged() override { ++displayChanges; }
};

// Files in a map by path; `refuse` makes writes and removals fail with the reason "Read-only
// file system", changing nothing. Counts reads and replacements.
class FakeTextFiles : public TextFiles {
  public:
    std::map<std::string, std::string> files;
    bool refuse = false;
    int reads = 0, replaces = 0;

    std::optional<std::string> Read(const std::string& path) override {
        ++reads;
        const auto found = files.find(path);
        return found == files.end() ? std::nullopt : std::optional(found->second);
    }
    std::string Replace(const std::string& path, const std::string& text) override {
        ++replaces;
        return refuse ? "Read-only file system" : (files[path] = text, "");
    }
    std::string Remove(const std::string& path) override {
        return refuse ? "Read-only file system" : (files.erase(path), "");
    }
    std::int32_t Length(const std::string& path) override {
        const auto found = files.find(path);
        return found == files.end() ? -1 : static_cast<std::int32_t>(found->second.size());
    }
};

// Settings in a map; reads, writes and commits logged in order: "read NAME", "NAME=TEXT", "commit".
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
    std::string shown;  // "x,y centred " or "x,y left "

    int Track(const std::vector<MenuEntry>&, std::int32_t x, std::int32_t y,
              MenuAlignment alignment) override {
        shown += std::to_string(x) + "," + std::to_string(y) +
                 (alignment == MenuAlignment::CentredOnPoint ? " centred " : " left ");
        return 0;
    }
};
