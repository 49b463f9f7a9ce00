#include "core/menu_entries.h"

std::vector<MenuEntry> MenuEntriesOf(const OptionTable& table) {
    std::vector<MenuEntry> entries;
    entries.reserve(table.Items().size());
    for (const OptionItem& item : table.Items()) {
        const bool separator = item.kind == ItemKind::Separator;
        // Separators and commands carry no state; only zoom items and options show a mark.
        const bool marked =
            (item.kind == ItemKind::Zoom || item.kind == ItemKind::Option) && item.checked;
        entries.push_back({item.index, item.caption, separator, marked});
    }
    return entries;
}
