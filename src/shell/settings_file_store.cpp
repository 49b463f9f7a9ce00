#include "shell/settings_file_store.h"

#include <algorithm>

#include "shell/settings_file.h"

SettingsFileStore::SettingsFileStore(TextFiles& files, std::string path, std::ostream& errors)
    : files_(files), path_(std::move(path)), errors_(errors) {}

std::optional<std::string> SettingsFileStore::Read(const std::string& name) {
    if (!read_) {
        // A missing file is a first run; an unreadable one is read as missing.
        const std::optional<std::string> text = path_.empty() ? std::nullopt : files_.Read(path_);
        read_ = text ? ParseSettingsFile(*text) : std::map<std::string, std::string>{};
    }
    const auto found = read_->find(name);
    return found == read_->end() ? std::nullopt : std::optional(found->second);
}

void SettingsFileStore::Write(const std::string& name, const std::string& text) {
    const auto same = std::find_if(written_.begin(), written_.end(),
                                   [&name](const auto& value) { return value.first == name; });
    if (same != written_.end()) {
        same->second = text;
    } else {
        written_.emplace_back(name, text);
    }
}

void SettingsFileStore::Commit() {
    if (path_.empty()) {
        errors_ << "zedez: the settings cannot be stored: neither XDG_CONFIG_HOME nor HOME names "
                   "a folder\n";
        return;
    }
    if (const std::string why = files_.Replace(path_, SettingsFileText(written_)); !why.empty()) {
        errors_ << "zedez: the settings could not be stored in " << path_ << ": " << why << "\n";
    }
}
