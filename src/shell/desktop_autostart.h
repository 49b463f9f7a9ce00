#pragma once

#include <string>

#include "ports/autostart_entry.h"
#include "ports/text_files.h"

// The desktop entry that starts the program at logon, in the user's autostart folder. Only this
// file is ever written or removed.
class DesktopAutostart : public AutostartEntry {
  public:
    DesktopAutostart(TextFiles& files, std::string exePath, std::string entryPath);
    // Writes the entry unless it already starts this program.
    void Register() override;
    void Unregister() override;
    // The entry exists, is not turned off (Hidden=true) and starts an existing, non-empty file.
    bool NamesAnExistingFile() override;
    bool NamesThisProgram() override;

  private:
    TextFiles& files_;
    std::string exePath_;
    std::string entryPath_;  // empty when there is no folder for it
};
