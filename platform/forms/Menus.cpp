#include "platform/forms/Menus.h"

#include "platform/desktop/Desktop.h"
#include "platform/desktop/Pointer.h"
#include "platform/forms/Application.h"

TMenuItem::TMenuItem(QAction* a) : action(a) {
    QObject::connect(action, &QAction::triggered, action, [this] { safeCall(OnClick); });
}

void TMenuItem::Click() {
    if (action->isEnabled() && !action->isSeparator()) action->trigger();
}

TPopupMenu::TPopupMenu(QWidget* owner) : owner(owner), menu(new QMenu(owner)) {
    menu->setObjectName("popupMenu");
}

TPopupMenu::~TPopupMenu() {
    for (TMenuItem* item : items)
        delete item;
    delete menu;
}

TMenuItem* TPopupMenu::Add(const std::string& name, const std::string& caption, bool enabled,
                           const char* shortcut) {
    QAction* action = caption == "-" ? menu->addSeparator() : menu->addAction(toQString(caption));
    action->setObjectName(toQString(name));
    action->setEnabled(enabled);
    if (shortcut && *shortcut) {
        // The owner's keys, shown beside the item: they work, the menu
        // closed, from every window of the program while the owner is out.
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        action->setShortcutContext(Qt::ApplicationShortcut);
        if (owner) owner->addAction(action);
    }
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
