#pragma once

#include <windows.h>

#include "ports/popup_menu.h"

// A popup menu of a window, built afresh for every showing and destroyed when it closes.
class Win32PopupMenu : public PopupMenu {
  public:
    explicit Win32PopupMenu(HWND owner) : owner_(owner) {}
    int Track(const std::vector<MenuEntry>& entries, std::int32_t screenX, std::int32_t screenY,
              MenuAlignment alignment) override;

  private:
    HWND owner_;
};
