#include "win32/registry_autostart.h"

#include <algorithm>
#include <utility>

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

std::string ExeFileName(const std::string& exePath) {
    const auto slash = exePath.rfind('\\');
    return slash == std::string::npos ? exePath : exePath.substr(slash + 1);
}

RegistryAutostart::RegistryAutostart(RegistryTexts& registry, std::string exePath,
                                     FileLength fileLength)
    : registry_(registry),
      exePath_(std::move(exePath)),
      name_(ExeFileName(exePath_)),
      fileLength_(std::move(fileLength)) {}

std::string RegistryAutostart::Entry() {
    // An empty name would address the Run key's default value, not ours.
    return name_.empty() ? std::string()
                         : registry_.ReadString(Hive::CurrentUser, RunKeyPath, name_).value_or("");
}

void RegistryAutostart::Register() {
    // An entry that names this program in another case, or with blanks around, is left alone,
    // unless the blanks keep start-up from finding the file, which would leave the item
    // unchecked for good.
    if (!name_.empty() && (!NamesThisProgram() || !NamesAnExistingFile())) {
        registry_.WriteString(Hive::CurrentUser, RunKeyPath, name_, Quoted(exePath_));
    }
}

void RegistryAutostart::Unregister() {
    if (!name_.empty()) {
        registry_.DeleteValue(Hive::CurrentUser, RunKeyPath, name_);
    }
}

bool RegistryAutostart::NamesAnExistingFile() {
    std::string path = Entry();
    path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
    return !path.empty() && fileLength_(path) > 0;
}

bool RegistryAutostart::NamesThisProgram() {
    return !name_.empty() && Folded(Entry()) == Folded(Quoted(Trimmed(exePath_)));
}
