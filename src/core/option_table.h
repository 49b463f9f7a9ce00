#pragma once

#include <string>
#include <vector>

#include "core/option_rows.h"

struct OptionItem {
    int index;
    std::string caption;  // UTF-8; "&" marks the access key, "-" a separator
    ItemKind kind;
    bool checked;
};

// The popup menu's items in menu order, as made from their rows. The checked state of an item is
// the option's value; there is no other record of the options.
class OptionTable {
  public:
    OptionTable();  // every item with its English caption and its state at creation

    const std::vector<OptionItem>& Items() const { return items_; }

    // False for an index that addresses no item.
    bool IsOptionChecked(int index) const;
    // Both return false, changing nothing, when the table has no such item.
    bool SetChecked(int index, bool checked);
    bool ToggleOption(int index);

    std::string Caption(int index) const;  // empty for a missing item
    bool SetCaption(int index, const std::string& caption);

  private:
    const OptionItem* Find(int index) const;
    OptionItem* Find(int index);

    std::vector<OptionItem> items_;
};

// Whether a zoom item's index: its percentage.
constexpr bool IsZoomIndex(int index) {
    return index >= Item::FirstZoom && index <= Item::LastZoom;
}
