#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ports/autostart_entry.h"
#include "win32/registry_texts.h"

// The per-user Run key. The program's entry there is the value named after its file name,
// holding its full path in double quotes; no other value is ever touched.
inline constexpr const char* RunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The part of a path behind its last backslash; the whole path when it has none.
std::string ExeFileName(const std::string& exePath);

class RegistryAutostart : public AutostartEntry {
  public:
    // The length in bytes of an existing, readable file, else -1.
    using FileLength = std::function<std::int32_t(const std::string& path)>;

    RegistryAutostart(RegistryTexts& registry, std::string exePath, FileLength fileLength);

    // Writes the entry unless it already names this program (in any case, with blanks around)
    // and start-up can find that file.
    void Register() override;
    void Unregister() override;
    // The entry, with its quotes removed, names an existing file that is not empty: any other
    // program file of that name counts as well.
    bool NamesAnExistingFile() override;
    // Not the start-up rule, which also asks the file to be visible: for a copy it cannot see,
    // the mark would stay off while the entry is written, and no click could ever delete it.
    bool NamesThisProgram() override;

  private:
    std::string Entry();

    RegistryTexts& registry_;
    std::string exePath_;
    std::string name_;  // the value's name: empty when the system does not say who we are
    FileLength fileLength_;
};
