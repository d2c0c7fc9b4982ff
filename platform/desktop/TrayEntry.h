#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>

#include <optional>

// The program's entry in the desktop's tray: its picture and tip while it
// is up, and what the person does with it.
class TrayEntry : public QObject {
    Q_OBJECT
public:
    enum class Action {
        Open, // a double click; a single one where the tray knows no other
        Menu, // the context button
    };

    explicit TrayEntry(const QString& tip) : tip(tip) {}
    ~TrayEntry() override { takeDown(); }
    TrayEntry(const TrayEntry&) = delete;
    TrayEntry& operator=(const TrayEntry&) = delete;

    // Puts the entry up with this picture, or changes the picture of one up.
    void put(const QIcon& picture);
    void takeDown();
    bool isUp() const { return up; }
    const QIcon& icon() const { return picture; }
    const QString& toolTip() const { return tip; }
    // The menu a panel that draws menus itself shows for the entry; its
    // items are the program's own (the same actions, enabled and keyed as
    // they are there). Panels that ask for the menu get `Action::Menu`.
    void setMenu(QMenu* value) { items = value; }
    QMenu* menu() const { return items; }

signals:
    void activated(TrayEntry::Action action);

private:
    QString tip;
    QIcon picture;
    QPointer<QMenu> items;
    bool up = false;
};

// Whether a panel has said on D-Bus that it shows StatusNotifierItems: Qt
// then puts the entry on D-Bus, where the panel may draw its menu; else it
// embeds an icon window, which pops a menu it is given on its own as well as
// telling us (two menus).
bool statusNotifierHostUp();

// What a tray's report means here. StatusNotifierItem panels (KDE Plasma,
// GNOME's AppIndicator, Xfce, LXQt, Cinnamon) report one activation and
// never a double click: there the activation is what brings a program out,
// as a double click is where the icon is an embedded window.
std::optional<TrayEntry::Action> trayActionFor(QSystemTrayIcon::ActivationReason reason,
                                               bool singleActivationTray);
