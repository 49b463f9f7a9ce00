#pragma once

#include "ports/user_locale.h"
#include "win32/registry_texts.h"

// The user's language as Windows keeps it: the first non-empty of the current user's locale name,
// the default user's locale name and the browser's accepted languages ("de-DE", "de-DE,en;q=0.5").
// German when that text starts with "de" (any case, blanks around ignored), English otherwise,
// also when none is set.
UiLanguage RegistryLanguage(RegistryTexts& registry);
