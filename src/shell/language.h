#pragma once

#include <string>

#include "core/option_table.h"
#include "ports/registry.h"

inline constexpr const char* AppTitleEnglish = "Ridoduvuzi Zedez";
inline constexpr const char* AppTitleGerman = "Zezovirure Vova";

// The user's language as the first non-empty of: the current user's locale name, the default
// user's locale name, the browser's accepted languages ("de-DE", "de-DE,en;q=0.5"); empty when
// none is set.
std::string UserLanguage(Registry& registry);

// German captions and title when the language text starts with "de" (any case, blanks around
// ignored), English otherwise; in both, the auto-refresh item shows the interval in place of its
// "%". Running it again changes nothing.
void ApplyLanguageTexts(const std::string& languageText, OptionTable& options,
                        std::string& appTitle, int refreshIntervalMs);
