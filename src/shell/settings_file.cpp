#include "shell/settings_file.h"

#include <algorithm>

#include "core/option_rows.h"
#include "shell/key_file.h"

namespace {

constexpr std::string_view Group = "Magnifier";

bool IsStoredName(std::string_view name) {
    return std::any_of(OptionRows.begin(), OptionRows.end(), [&](const OptionRow& row) {
        return !name.empty() && name == row.storedName;
    });
}

}  // namespace

std::map<std::string, std::string> ParseSettingsFile(std::string_view fileText) {
    std::map<std::string, std::string> values;
    for (const KeyFileLine& line : KeyFileLines(fileText)) {
        if (line.group == Group && IsStoredName(line.name)) {
            values[std::string(line.name)] = line.value;
        }
    }
    return values;
}

std::string SettingsFileText(const std::vector<std::pair<std::string, std::string>>& values) {
    // Appended piece by piece: mingw-w64's GCC 12 takes `"[" + std::string(...)` for an
    // overlapping copy (-Wrestrict) and the Windows build stops there.
    std::string text = "[";
    text.append(Group).append("]\n");
    for (const auto& [name, value] : values) {
        text.append(name).append("=").append(value).append("\n");
    }
    return text;
}
