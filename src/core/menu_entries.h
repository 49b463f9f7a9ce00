#pragma once

#include <vector>

#include "core/option_table.h"
#include "ports/popup_menu.h"

// The popup menu's lines, made from the option table each time it opens, so that captions and
// check marks are always the table's own.
std::vector<MenuEntry> MenuEntriesOf(const OptionTable& table);
