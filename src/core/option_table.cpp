#include "core/option_table.h"

#include <algorithm>
#include <utility>

OptionTable::OptionTable()
    : items_{
          {10, "Zoom 10%", ItemKind::Zoom, false},
          {25, "Zoom 25%", ItemKind::Zoom, false},
          {50, "Zoom 50%", ItemKind::Zoom, false},
          {75, "Zoom 75%", ItemKind::Zoom, false},
          {90, "Zoom 90%", ItemKind::Zoom, false},
          {100, "Zoom 100%", ItemKind::Zoom, true},
          {200, "&Zoom 200%", ItemKind::Zoom, false},
          {400, "Zoom 400%", ItemKind::Zoom, false},
          {800, "Zoom 800%", ItemKind::Zoom, false},
          {1600, "Zoom 1600%", ItemKind::Zoom, false},
          {Item::OptionsSeparator, "-", ItemKind::Separator, false},
          {Item::AutoRefresh, "Auto &refresh @ %ms", ItemKind::Option, true},
          {Item::FollowMouse, "Follow &Mouse cursor", ItemKind::Option, true},
          {Item::FollowText, "Follow &Text cursor", ItemKind::Option, true},
          {Item::ShowMouseCursor, "&Show Mouse cursor", ItemKind::Option, true},
          {Item::ShowLines, "Show center &lines", ItemKind::Option, true},
          {Item::ShowCoordinates, "Show &coordinates", ItemKind::Option, false},
          {Item::ShowColorsHex, "Show RGB color values (&hex)", ItemKind::Option, false},
          {Item::ShowColorsDec, "Show RGB color values (&dec)", ItemKind::Option, false},
          {Item::ShowColorsCMY, "Show CM&Y color values", ItemKind::Option, false},
          {Item::ShowColorsCMYK, "Show CMY&K color values", ItemKind::Option, false},
          {Item::WindowSeparator, "-", ItemKind::Separator, false},
          {Item::OnTop, "&Window in foreground", ItemKind::Option, true},
          {Item::Autorun, "&Autorun at startup", ItemKind::Option, false},
          {Item::CommandsSeparator, "-", ItemKind::Separator, false},
          {Item::About, "A&bout ...", ItemKind::Command, false},
          {Item::Close, "&Close", ItemKind::Command, false},
      } {}

const OptionItem* OptionTable::Find(std::int16_t index) const {
    const auto found = std::find_if(items_.begin(), items_.end(), [index](const OptionItem& item) {
        return item.index == index;
    });
    return found == items_.end() ? nullptr : &*found;
}

OptionItem* OptionTable::Find(std::int16_t index) {
    return const_cast<OptionItem*>(std::as_const(*this).Find(index));
}

bool OptionTable::IsOptionChecked(std::int16_t index) const {
    const OptionItem* item = Find(index);
    return item != nullptr && item->checked;
}

bool OptionTable::SetChecked(std::int16_t index, bool checked) {
    OptionItem* item = Find(index);
    if (item == nullptr) {
        return false;
    }
    item->checked = checked;
    return true;
}

bool OptionTable::ToggleOption(std::int16_t index) {
    OptionItem* item = Find(index);
    if (item == nullptr) {
        return false;
    }
    item->checked = !item->checked;
    return true;
}

std::string OptionTable::Caption(std::int16_t index) const {
    const OptionItem* item = Find(index);
    return item == nullptr ? std::string() : item->caption;
}

bool OptionTable::SetCaption(std::int16_t index, const std::string& caption) {
    OptionItem* item = Find(index);
    if (item == nullptr) {
        return false;
    }
    item->caption = caption;
    return true;
}
