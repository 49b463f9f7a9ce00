#pragma once

#include "ports/popup_menu.h"
#include "win32/win32_form.h"

// A popup menu of the main window, built afresh for every showing and destroyed when it closes.
class Win32PopupMenu : public PopupMenu {
  public:
    explicit Win32PopupMenu(const Win32Form& owner) : owner_(owner) {}
    std::int16_t Track(const std::vector<MenuEntry>& entries, std::int32_t screenX,
                       std::int32_t screenY, MenuAlignment alignment) override;

  private:
    const Win32Form& owner_;
};
