#include "shell/desktop_autostart.h"

#include <utility>

#include "shell/desktop_entry.h"

DesktopAutostart::DesktopAutostart(TextFiles& files, std::string exePath, std::string entryPath)
    : files_(files), exePath_(std::move(exePath)), entryPath_(std::move(entryPath)) {}

void DesktopAutostart::Register() {
    if (entryPath_.empty() || NamesThisProgram()) {
        return;
    }
    // A refused write shows in the mark, which follows what the file says.
    if (const std::optional<std::string> text = DesktopEntryText(exePath_)) {
        files_.Replace(entryPath_, *text);
    }
}

void DesktopAutostart::Unregister() {
    if (!entryPath_.empty()) {
        files_.Remove(entryPath_);
    }
}

bool DesktopAutostart::NamesAnExistingFile() {
    return !entryPath_.empty() &&
           EntryNamesAnExistingFile(files_.Read(entryPath_), [this](const std::string& path) {
               return files_.Length(path);
           });
}

bool DesktopAutostart::NamesThisProgram() {
    return !entryPath_.empty() && EntryNamesProgram(files_.Read(entryPath_), exePath_);
}
