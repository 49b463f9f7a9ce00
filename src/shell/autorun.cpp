#include "shell/autorun.h"

#include <algorithm>

#include "base/text.h"

namespace {

// Paths compare without regard to case. Only ASCII letters are folded: an entry that differs
// in another letter's case is merely written again, with the same path.
std::string Folded(const std::string& text) {
    return AsciiLower(Trimmed(text));
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

std::string GetExeFileName(const std::string& exePath) {
    const auto slash = exePath.rfind('\\');
    return slash == std::string::npos ? exePath : exePath.substr(slash + 1);
}

bool UpdateAutorunEntry(Registry& registry, Environment& environment, bool on) {
    const std::string path = environment.ExePath();
    const std::string name = GetExeFileName(path);
    if (name.empty()) {
        return false;  // an empty name would address the Run key's default value, not ours
    }
    const std::string own = Folded(Quoted(Trimmed(path)));
    const auto current = [&] {
        return Folded(registry.ReadString(Hive::CurrentUser, RunKeyPath, name).value_or(""));
    };
    if (!on) {
        registry.DeleteValue(Hive::CurrentUser, RunKeyPath, name);
    } else if (current() != own || !IsAutorunRegistered(registry, environment)) {
        // An entry that names this program in another case, or with blanks around, is left
        // alone, unless the blanks keep start-up from finding the file, which would leave the
        // item unchecked for good.
        registry.WriteString(Hive::CurrentUser, RunKeyPath, name, Quoted(path));
    }
    // Whether the entry now starts this very program. Not the start-up rule, which also asks the
    // file to be visible: for a copy it cannot see, the mark would stay off while the entry is
    // written, and no click could ever delete it.
    return current() == own;
}

bool IsAutorunRegistered(Registry& registry, Environment& environment) {
    const std::string name = GetExeFileName(environment.ExePath());
    if (name.empty()) {
        return false;
    }
    std::string path = registry.ReadString(Hive::CurrentUser, RunKeyPath, name).value_or("");
    path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
    return !path.empty() && environment.FileLength(path) > 0;
}
