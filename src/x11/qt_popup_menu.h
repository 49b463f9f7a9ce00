#pragma once

#include <QWidget>

#include "ports/popup_menu.h"

// The popup menu of a window, built afresh for every showing.
class QtPopupMenu : public PopupMenu {
  public:
    explicit QtPopupMenu(QWidget& owner) : owner_(owner) {}
    int Track(const std::vector<MenuEntry>& entries, std::int32_t screenX, std::int32_t screenY,
              MenuAlignment alignment) override;

  private:
    QWidget& owner_;
};
