#pragma once

#include "ports/settings_store.h"
#include "win32/registry_texts.h"

// The settings as REG_SZ values under HKEY_CURRENT_USER\Software\Korvane-Software\Magnifier, the
// key every installation has stored them in. Each write goes to the registry at once.
class RegistrySettingsStore : public SettingsStore {
  public:
    explicit RegistrySettingsStore(RegistryTexts& registry) : registry_(registry) {}
    std::optional<std::string> Read(const std::string& name) override;
    void Write(const std::string& name, const std::string& text) override;
    void Commit() override {}

  private:
    RegistryTexts& registry_;
};
