#pragma once

#include <string>

#include "ports/environment.h"
#include "ports/user_locale.h"

// What start-up says when the program cannot serve the user on this system; empty when it can.
std::string RefusalText(SystemSupport support, UiLanguage language);
