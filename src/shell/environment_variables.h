#pragma once

#include <functional>

// Looks up an environment variable by name: its value, or nullptr when it is not set. The
// program hands in getenv; tests hand in a table.
using VariableLookup = std::function<const char*(const char* name)>;
