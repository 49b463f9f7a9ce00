#pragma once

#include <string>

#include "ports/environment.h"
#include "ports/registry.h"

// The per-user Run key. The program's entry there is the value named after its file name,
// holding its full path in double quotes; no other value is ever touched.
inline constexpr const char* RunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The part of a path behind its last backslash; the whole path when it has none.
std::string GetExeFileName(const std::string& exePath);

// Writes the entry (unless it already names this program, in any case and with blanks around)
// or deletes it. Returns whether the entry names this program afterwards: a refused write or
// delete shows in the result.
bool UpdateAutorunEntry(Registry& registry, Environment& environment, bool on);

// Whether start-up shows the autorun item checked: the entry, with its quotes removed, names an
// existing file that is not empty. Any other program file of that name counts as well.
bool IsAutorunRegistered(Registry& registry, Environment& environment);
