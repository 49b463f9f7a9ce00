#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The desktop entry that starts the program at logon (AutostartFilePath), and what the program
// asks of it. The program reads and writes no other entry, and removes only its own file.
//   Register:   unless EntryNamesProgram(the file's text, this program), write
//               DesktopEntryText(this program) as the file's whole text (nothing to write:
//               leave the file alone);
//   Unregister: remove the file;
//   at start-up the autorun item is checked when EntryNamesAnExistingFile(the file's text);
//   after a click it is EntryNamesProgram(the file's text now), so that a refused write or
//   removal shows.

// The entry's text for the program at exePath: it is started by that full path (quoted as
// desktop entries ask). Nothing for a path no entry can hold: empty or relative, not UTF-8, or
// with control characters other than tab, line feed and carriage return.
std::optional<std::string> DesktopEntryText(const std::string& exePath);

// What an entry's text says: the program its Exec line starts (quotes and escapes undone;
// empty when there is none or it is damaged), and whether it is Hidden=true, which turns it off.
struct DesktopEntry {
    std::string program;
    bool hidden = false;
};
DesktopEntry ReadDesktopEntry(std::string_view text);

// The length in bytes of an existing, readable file, else -1.
using FileLengthOf = std::function<std::int32_t(const std::string& path)>;

// Whether the entry (nothing: no file) is on and starts an existing, non-empty file. Any program
// file counts, as it does for the Windows program's Run entry.
bool EntryNamesAnExistingFile(const std::optional<std::string>& entryText,
                              const FileLengthOf& fileLength);

// Whether the entry (nothing: no file) is on and starts the program at exePath.
bool EntryNamesProgram(const std::optional<std::string>& entryText, const std::string& exePath);
