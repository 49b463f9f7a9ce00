#include "x11/qt_popup_menu.h"

#include <QAction>
#include <QMenu>

int QtPopupMenu::Track(const std::vector<MenuEntry>& entries, std::int32_t screenX,
                       std::int32_t screenY, MenuAlignment alignment) {
    QMenu menu(&owner_);
    for (const MenuEntry& entry : entries) {
        if (entry.separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(entry.caption));
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        action->setData(entry.index);
    }
    QPoint at(screenX, screenY);
    if (alignment == MenuAlignment::CentredOnPoint) {
        at.rx() -= menu.sizeHint().width() / 2;
    }
    const QAction* picked = menu.exec(at);
    return picked == nullptr ? 0 : picked->data().toInt();
}
