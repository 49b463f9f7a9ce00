#pragma once

#include <string>

#include "core/option_table.h"
#include "ports/user_locale.h"

inline constexpr const char* AppTitleEnglish = "Ridoduvuzi Zedez";
inline constexpr const char* AppTitleGerman = "Zezovirure Vova";

// German captions and title for German, English otherwise, then the captions this system gives
// of its own; in both languages the auto-refresh item shows the interval in place of its "%".
// Running it again changes nothing.
void ApplyLanguageTexts(const UserLocale& locale, OptionTable& options, std::string& appTitle,
                        int refreshIntervalMs);
