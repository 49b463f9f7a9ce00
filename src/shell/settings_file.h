#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The settings file of the Linux program: UTF-8 text with one group, [Magnifier], holding the
// stored values as name=text lines. A store reads the file once into a map, and at its commit
// writes the whole file anew from what was written to it, in that order.

// The stored values a file's text holds, by name. Read forgivingly: a byte-order mark and CRLF
// line ends are accepted, blanks around names and texts are dropped, comments (# or ;), damaged
// lines and names that are not stored values are skipped, lines outside [Magnifier] do not count,
// and of a name given twice the last wins. An empty text is a value of its own.
std::map<std::string, std::string> ParseSettingsFile(std::string_view fileText);

// The whole text of a settings file holding these values, in the order given, with LF line ends.
// Names and texts are single lines without blanks around them, as the program writes them.
std::string SettingsFileText(const std::vector<std::pair<std::string, std::string>>& values);
