#include "platform/desktop/TrayEntry.h"

#include "platform/desktop/Desktop.h"

void TrayEntry::put(const QIcon& value) {
    picture = value;
    up = true;
    desktop().showTrayEntry(*this);
}

void TrayEntry::takeDown() {
    if (!up) return;
    up = false;
    desktop().removeTrayEntry(*this);
}

std::optional<TrayEntry::Action> trayActionFor(QSystemTrayIcon::ActivationReason reason,
                                               bool singleActivationTray) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: return TrayEntry::Action::Open;
    case QSystemTrayIcon::Context: return TrayEntry::Action::Menu;
    case QSystemTrayIcon::Trigger:
        if (singleActivationTray) return TrayEntry::Action::Open;
        return std::nullopt;
    default: return std::nullopt;
    }
}
