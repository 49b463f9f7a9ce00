#include "shell/user_files.h"

namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string Under(const std::string& configHome, const char* relative) {
    return configHome.empty() ? std::string() : configHome + relative;
}

}  // namespace

std::string ConfigHome(const VariableLookup& variable) {
    const char* xdg = variable("XDG_CONFIG_HOME");
    if (IsAbsolute(xdg)) {
        return xdg;
    }
    const char* home = variable("HOME");
    if (!IsAbsolute(home)) {
        return {};
    }
    std::string folder(home);
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder + ".config";
}

std::string SettingsFilePath(const std::string& configHome) {
    return Under(configHome, "/zedez/settings.ini");
}

std::string AutostartFilePath(const std::string& configHome) {
    return Under(configHome, "/autostart/zedez.desktop");
}
