#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "ports/settings_store.h"
#include "ports/text_files.h"

// The settings in a file of their own, read once, at the first value asked for, and written whole
// at each commit: the program owns the file. A write the system refuses leaves the old file as
// it was and is said on `errors`, naming the file; there is nothing else to tell the user with.
class SettingsFileStore : public SettingsStore {
  public:
    SettingsFileStore(TextFiles& files, std::string path, std::ostream& errors);
    std::optional<std::string> Read(const std::string& name) override;
    void Write(const std::string& name, const std::string& text) override;
    void Commit() override;

  private:
    TextFiles& files_;
    std::string path_;
    std::ostream& errors_;
    std::optional<std::map<std::string, std::string>> read_;
    std::vector<std::pair<std::string, std::string>> written_;  // in the order written
};
