#pragma once

#include <map>
#include <string>

#include "ports/text_files.h"

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
