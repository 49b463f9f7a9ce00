#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Indexes of the popup menu's items. The index of a zoom item is its percentage.
namespace Item {
inline constexpr std::int16_t AutoRefresh = 7010;
inline constexpr std::int16_t FollowMouse = 7020;
inline constexpr std::int16_t FollowText = 7030;
inline constexpr std::int16_t ShowMouseCursor = 7035;
inline constexpr std::int16_t ShowLines = 7040;
inline constexpr std::int16_t ShowCoordinates = 7050;
inline constexpr std::int16_t ShowColorsHex = 7060;
inline constexpr std::int16_t ShowColorsDec = 7065;
inline constexpr std::int16_t ShowColorsCMY = 7070;
inline constexpr std::int16_t ShowColorsCMYK = 7075;
inline constexpr std::int16_t OptionsSeparator = 7000;
inline constexpr std::int16_t WindowSeparator = 8000;
inline constexpr std::int16_t CommandsSeparator = 9000;
inline constexpr std::int16_t OnTop = 8010;
inline constexpr std::int16_t Autorun = 8020;
inline constexpr std::int16_t About = 9990;
inline constexpr std::int16_t Close = 9999;
inline constexpr std::int16_t FirstZoom = 1;
inline constexpr std::int16_t LastZoom = 1999;
}  // namespace Item

enum class ItemKind { Zoom, Separator, Option, Command };

struct OptionItem {
    std::int16_t index;
    std::string caption;  // UTF-8; "&" marks the access key, "-" a separator
    ItemKind kind;
    bool checked;
};

// The popup menu's items in menu order. The checked state of an item is the option's value;
// there is no other record of the options.
class OptionTable {
  public:
    OptionTable();  // every item with its caption and its state at creation

    const std::vector<OptionItem>& Items() const { return items_; }

    // False for an index that addresses no item.
    bool IsOptionChecked(std::int16_t index) const;
    // Both return false, changing nothing, when the table has no such item.
    bool SetChecked(std::int16_t index, bool checked);
    bool ToggleOption(std::int16_t index);

    std::string Caption(std::int16_t index) const;  // empty for a missing item
    bool SetCaption(std::int16_t index, const std::string& caption);

  private:
    const OptionItem* Find(std::int16_t index) const;
    OptionItem* Find(std::int16_t index);

    std::vector<OptionItem> items_;
};
