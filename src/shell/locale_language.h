#pragma once

#include "ports/user_locale.h"
#include "shell/environment_variables.h"

// The language the user's locale asks for. The locale is the first non-empty of LC_ALL,
// LC_MESSAGES and LANG; unset, C, C.<anything> or POSIX means English whatever LANGUAGE says.
// Otherwise the first entry of the colon-separated LANGUAGE that starts with "de" or "en"
// decides, and without one the locale's own name: German where it starts with "de".
UiLanguage UiLanguageFromLocale(const VariableLookup& variable);
