#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole files for the settings and the autostart entry. Failures come back as the C library's
// words for them (strerror), for the caller to say on standard error with the file's name.

// The file's whole contents; nothing when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Makes text the file's whole contents, creating its folders as needed (0700, as the XDG base
// directory rules ask). The text goes to a new file beside it, reaches the disk, and only then
// takes the old file's place: a crash, a full disk or a refused write leave the old file as it
// was and no half-written one. Returns an empty text when it worked, else the reason.
std::string WriteFileAtomically(const std::string& path, std::string_view text);

// Removes the file (not a folder); one that is already gone counts as removed. Returns an empty
// text when it worked, else the reason.
std::string RemoveFile(const std::string& path);
