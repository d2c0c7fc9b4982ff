#pragma once

#include "platform/forms/Controls.h"

#include <QAction>
#include <QMenu>

#include <string>
#include <vector>

class TMenuItem {
public:
    explicit TMenuItem(QAction* action);
    std::string Caption() const { return fromQString(action->text()); }
    bool Enabled() const { return action->isEnabled(); }
    void setEnabled(bool value) { action->setEnabled(value); }
    // What choosing the item does; a disabled item cannot be chosen.
    void Click();
    QAction* Action() const { return action; }

    TNotifyEvent OnClick;

private:
    QAction* action;
};

class TPopupMenu {
public:
    explicit TPopupMenu(QWidget* owner);
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;
    ~TPopupMenu();

    TMenuItem* Add(const std::string& name, const std::string& caption, bool enabled,
                   const char* shortcut = "");
    TMenuItem* Item(const std::string& name) const;
    const std::vector<TMenuItem*>& Items() const { return items; }
    // Pops the menu up with its top-left corner at a screen position.
    void Popup(int x, int y);
    QMenu* Menu() const { return menu; }

private:
    QWidget* owner;
    QMenu* menu;
    std::vector<TMenuItem*> items;
};
