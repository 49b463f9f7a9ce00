#pragma once

#include <optional>
#include <string>

// Whether the accessibility bus is there to be used, found without starting anything: a session
// bus named by the environment on which the accessibility bus launcher already runs, or a direct
// address. Starting libatspi without them would launch a session bus or the launcher on the
// user's behalf. Returns nothing when the bus is there, and otherwise why not. May block for a
// few hundred milliseconds (a call to the session bus): call it off the UI thread.
std::optional<std::string> WhyNoAccessibilityBus();
