#include "platform/Menus.h"

#include "platform/Desktop.h"

TMenuItem::TMenuItem(QAction* a) : action(a) {
    QObject::connect(action, &QAction::triggered, action, [this] { safeCall(OnClick); });
}

void TMenuItem::Click() {
    if (action->isEnabled() && !action->isSeparator()) action->trigger();
}

TPopupMenu::TPopupMenu(QWidget* owner) : menu(new QMenu(owner)) {
    menu->setObjectName("popupMenu");
}

TPopupMenu::~TPopupMenu() {
    for (TMenuItem* item : items)
        delete item;
    delete menu;
}

TMenuItem* TPopupMenu::Add(const std::string& name, const std::string& caption, bool enabled) {
    QAction* action = caption == "-" ? menu->addSeparator() : menu->addAction(toQString(caption));
    action->setObjectName(toQString(name));
    action->setEnabled(enabled);
    items.push_back(new TMenuItem(action));
    return items.back();
}

TMenuItem* TPopupMenu::Item(const std::string& name) const {
    for (TMenuItem* item : items)
        if (item->Action()->objectName() == toQString(name)) return item;
    return nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    FreePointer();
    desktop().popupMenu(menu, QPoint(x, y));
}
