#include "win32/registry_settings_store.h"

namespace {

constexpr const char* SettingsKey = "Software\\Korvane-Software\\Magnifier";

}  // namespace

std::optional<std::string> RegistrySettingsStore::Read(const std::string& name) {
    return registry_.ReadString(Hive::CurrentUser, SettingsKey, name);
}

void RegistrySettingsStore::Write(const std::string& name, const std::string& text) {
    registry_.WriteString(Hive::CurrentUser, SettingsKey, name, text);
}
