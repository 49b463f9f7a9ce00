#pragma once

#include "platform/settings_store.h"

// Settings as REG_SZ values under HKEY_CURRENT_USER\Software\<application>\<section>.
class RegistrySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    bool Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& text) override;
};
