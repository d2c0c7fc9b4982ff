#include "platform/desktop/TrayEntry.h"

#include "platform/desktop/Desktop.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

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

bool statusNotifierHostUp() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierWatcher")
        << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 1000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}
