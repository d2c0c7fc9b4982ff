// The book window's life in the system tray: the icon, its clicks, and
// going there and back.
#include "book/TfrmHuevella.h"

#include "forms/FormDefs.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Application.h"

#include <QCoreApplication>
#include <QIcon>

void TfrmHuevella::putTrayIconUp() {
    trayIcon = new TIcon();
    const std::optional<QIcon> loaded = LoadIconFile("Huevella.ico", 32);
    // Without an image a tray entry is invisible on these desktops and the
    // program would run out of reach: the icon file first, then the icon the
    // desktop's theme has installed, then the one built in. The built-in one
    // goes up at once. The theme is searched when a window first comes out
    // (the search reads the theme's whole index); the theme's own icon for
    // us, where it has one, takes over then. Ours installed is the same
    // picture as the built-in one.
    trayIcon->setIcon(loaded ? *loaded : BuiltInIcon(TrayIconLargest));
    connect(&trayEntry, &TrayEntry::activated, this,
            [this](TrayEntry::Action action) { safeCall([&] { trayIconMessage(action); }); });
    addTrayIcon();
    if (auto* app = dynamic_cast<HuevellaQtApplication*>(QCoreApplication::instance());
        app && !loaded)
        app->whenFirstWindowShows(this, [this] { useThemeTrayIcon(); });
}

void TfrmHuevella::addTrayIcon() {
    trayEntry.setMenu(popupMenu("mnuMainMenu")->Menu());
    trayEntry.put(trayIcon->Icon());
}

void TfrmHuevella::useThemeTrayIcon() {
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(AppId));
    if (themed.isNull()) return;
    trayIcon->setIcon(themed);
    trayEntry.put(themed);
}

void TfrmHuevella::removeTrayIcon() {
    trayEntry.takeDown();
}

void TfrmHuevella::showFromTray() {
    Show();
    mnuOpen->setEnabled(true);
    mnuNew->setEnabled(true);
    mnuImport->setEnabled(true);
}

void TfrmHuevella::trayIconMessage(TrayEntry::Action action) {
    switch (action) {
    case TrayEntry::Action::Open: showFromTray(); break;
    case TrayEntry::Action::Menu: {
        const QPoint pos = desktop().cursorPos();
        desktop().setForegroundWindow(this);
        popupMainMenu(pos.x(), pos.y());
        break;
    }
    }
}

void TfrmHuevella::mnuSystemTrayClick() {
    if (!desktop().systemTrayAvailable()) return;
    Hide();
    mnuOpen->setEnabled(false);
    mnuNew->setEnabled(false);
    mnuImport->setEnabled(false);
    companions.hideDocked();
}
