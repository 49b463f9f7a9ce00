#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One line of the popup menu, as the toolkit shows it.
struct MenuEntry {
    int index;
    std::string caption;  // UTF-8, "&" before the access key
    bool separator;
    bool checked;
};

// Where the menu opens relative to the given point.
enum class MenuAlignment { LeftAtPoint, CentredOnPoint };

class PopupMenu {
  public:
    virtual ~PopupMenu() = default;
    // Shows the menu at a screen point and returns the index of the picked entry, or 0 when the
    // user dismissed it.
    virtual int Track(const std::vector<MenuEntry>& entries, std::int32_t screenX,
                      std::int32_t screenY, MenuAlignment alignment) = 0;
};
