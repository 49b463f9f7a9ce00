#include "core/option_table.h"

#include <algorithm>
#include <utility>

OptionTable::OptionTable() {
    for (const OptionRow& row : OptionRows) {
        if (row.kind != ItemKind::Stored) {
            items_.push_back(
                {row.index, std::string(row.english), row.kind, row.checkedAtCreation});
        }
    }
}

const OptionItem* OptionTable::Find(int index) const {
    const auto found = std::find_if(items_.begin(), items_.end(), [index](const OptionItem& item) {
        return item.index == index;
    });
    return found == items_.end() ? nullptr : &*found;
}

OptionItem* OptionTable::Find(int index) {
    return const_cast<OptionItem*>(std::as_const(*this).Find(index));
}

bool OptionTable::IsOptionChecked(int index) const {
    const OptionItem* item = Find(index);
    return item != nullptr && item->checked;
}

bool OptionTable::SetChecked(int index, bool checked) {
    OptionItem* item = Find(index);
    if (item == nullptr) {
        return false;
    }
    item->checked = checked;
    return true;
}

bool OptionTable::ToggleOption(int index) {
    OptionItem* item = Find(index);
    if (item == nullptr) {
        return false;
    }
    item->checked = !item->checked;
    return true;
}

std::string OptionTable::Caption(int index) const {
    const OptionItem* item = Find(index);
    return item == nullptr ? std::string() : item->caption;
}

bool OptionTable::SetCaption(int index, const std::string& caption) {
    OptionItem* item = Find(index);
    if (item == nullptr) {
        return false;
    }
    item->caption = caption;
    return true;
}
