#pragma once

#include <string>

#include "shell/environment_variables.h"

// The folder of the user's configuration: XDG_CONFIG_HOME, or HOME/.config when that is not set,
// empty or relative (a relative one is ignored, as the XDG base directory rules ask). Empty when
// neither gives an absolute folder: then there is nowhere to keep anything.
std::string ConfigHome(const VariableLookup& variable);

// The settings file, configHome/zedez/settings.ini; empty for an empty configHome.
std::string SettingsFilePath(const std::string& configHome);

// The entry that starts the program at logon, configHome/autostart/zedez.desktop; empty for an
// empty configHome.
std::string AutostartFilePath(const std::string& configHome);
