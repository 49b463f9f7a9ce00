#include "shell/desktop_entry.h"

#include <algorithm>

#include "base/text.h"
#include "shell/key_file.h"
#include "shell/language.h"

namespace {

constexpr std::string_view EntryGroup = "Desktop Entry";

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// The escapes of a string value and the characters they stand for, applied to the whole value
// after any quoting inside it. A blank is written as it is: only one that starts a value needs
// "\s", and no value written here starts with one.
constexpr std::string_view Escapes = "\\ntrs";
constexpr std::string_view Escaped = "\\\n\t\r ";

std::string StringValue(std::string_view text) {
    std::string value;
    for (const char c : text) {
        const auto escape = Escaped.find(c);
        if (c != ' ' && escape != std::string_view::npos) {
            value += '\\';
            value += Escapes[escape];
        } else {
            value += c;
        }
    }
    return value;
}

// The string value's escapes undone. Any other backslash stays, for the Exec quoting to read.
std::string UnescapedStringValue(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto escape = i + 1 < value.size() ? Escapes.find(value[i + 1]) : Escapes.npos;
        if (value[i] == '\\' && escape != std::string_view::npos) {
            text += Escaped[escape];
            ++i;
        } else {
            text += value[i];
        }
    }
    return text;
}

constexpr std::string_view QuotedEscapes = "\"`$\\";

// One argument of an Exec line, always in double quotes; "%" is a field code's start, so a
// literal one is doubled.
std::string ExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (QuotedEscapes.find(c) != std::string_view::npos) {
            quoted += '\\';
        }
        quoted += c == '%' ? "%%" : std::string(1, c);
    }
    return quoted + "\"";
}

// The first argument of an Exec line (string escapes already undone): quoted and unquoted parts
// up to the first blank outside quotes, then "%%" read as "%". Empty when a quote is not closed.
std::string FirstExecArgument(std::string_view command) {
    std::string argument;
    std::size_t i = command.find_first_not_of(" \t");
    for (; i < command.size() && command[i] != ' ' && command[i] != '\t'; ++i) {
        if (command[i] != '"') {
            argument += command[i];
            continue;
        }
        for (++i;; ++i) {
            if (i >= command.size()) {
                return {};
            }
            if (command[i] == '"') {
                break;
            }
            if (command[i] == '\\' && i + 1 < command.size() &&
                QuotedEscapes.find(command[i + 1]) != std::string_view::npos) {
                ++i;
            }
            argument += command[i];
        }
    }
    std::string program;
    for (std::size_t k = 0; k < argument.size(); ++k) {
        program += argument[k];
        if (argument[k] == '%' && k + 1 < argument.size() && argument[k + 1] == '%') {
            ++k;
        }
    }
    return program;
}

}  // namespace

std::optional<std::string> DesktopEntryText(const std::string& exePath) {
    const bool writable = !exePath.empty() && exePath.front() == '/' && IsValidUtf8(exePath) &&
                          std::none_of(exePath.begin(), exePath.end(), [](char c) {
                              return IsControl(c) && c != '\t' && c != '\n' && c != '\r';
                          });
    if (!writable) {
        return std::nullopt;
    }
    const std::string lines[] = {"[Desktop Entry]",
                                 "Type=Application",
                                 "Version=1.0",
                                 std::string("Name=") + AppTitleEnglish,
                                 std::string("Name[de]=") + AppTitleGerman,
                                 "Comment=Screen magnifier",
                                 "Comment[de]=Bildschirmlupe",
                                 "TryExec=" + StringValue(exePath),
                                 "Exec=" + StringValue(ExecArgument(exePath)),
                                 "Terminal=false"};
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

DesktopEntry ReadDesktopEntry(std::string_view text) {
    DesktopEntry entry;
    for (const KeyFileLine& line : KeyFileLines(text)) {
        if (line.group != EntryGroup) {
            continue;
        }
        if (line.name == "Exec") {
            entry.program = FirstExecArgument(UnescapedStringValue(line.value));
        } else if (line.name == "Hidden") {
            entry.hidden = line.value == "true";
        }
    }
    return entry;
}

bool EntryNamesAnExistingFile(const std::optional<std::string>& entryText,
                              const FileLengthOf& fileLength) {
    if (!entryText) {
        return false;
    }
    const DesktopEntry entry = ReadDesktopEntry(*entryText);
    return !entry.hidden && !entry.program.empty() && fileLength(entry.program) > 0;
}

bool EntryNamesProgram(const std::optional<std::string>& entryText, const std::string& exePath) {
    if (!entryText || exePath.empty()) {
        return false;
    }
    const DesktopEntry entry = ReadDesktopEntry(*entryText);
    return !entry.hidden && entry.program == exePath;
}
