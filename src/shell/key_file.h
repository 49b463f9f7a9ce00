#pragma once

#include <string_view>
#include <vector>

// One name=value line of a key file (the settings file, a desktop entry), with the group it
// stands in. Views into the text it was read from.
struct KeyFileLine {
    std::string_view group;
    std::string_view name;
    std::string_view value;
};

// The name=value lines of a text in order, read forgivingly: a UTF-8 byte-order mark and CRLF
// line ends are accepted, blanks around group names, names and values dropped, and lines that
// are neither a [group] nor name=value skipped. A comment's name starts with # or ; and so is
// no name anyone asks for. Lines before the first group have an empty group. Values are as
// written, escapes and all.
std::vector<KeyFileLine> KeyFileLines(std::string_view text);
