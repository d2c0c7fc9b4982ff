// The book window's main menu: popped up from its button, the keyboard or
// the tray, and the items that are not book file commands.
#include "book/TfrmHuevella.h"

#include "book/PreviewPage.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Application.h"
#include "platform/forms/Keyboard.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

void TfrmHuevella::imgMenuClick() {
    popupMainMenu(Left() + 146, Top() + 14);
}

void TfrmHuevella::popupMainMenu(int x, int y) {
    // Without a tray the book could not come back: going there waits until
    // a tray host is running.
    mnuSystemTray->setEnabled(desktop().systemTrayAvailable());
    mnuExport->setEnabled(lastCard >= 0);
    // From the keyboard its first item is chosen, and heard, so that the
    // arrows start from there.
    if (RunningFromKeyboard())
        for (QAction* item : mnuMainMenu->Menu()->actions())
            if (item->isEnabled() && !item->isSeparator()) {
                mnuMainMenu->Menu()->setActiveAction(item);
                break;
            }
    mnuMainMenu->Popup(x, y);
}

void TfrmHuevella::mnuPreviewClick() {
    // Beside the program in the build tree, or in its data folder when
    // installed.
    const QString folder = QCoreApplication::applicationDirPath();
    QString found = folder + "/gallery/login.htm";
    const QString installed = folder + "/../share/huevella/gallery/login.htm";
    if (!QFileInfo::exists(found) && QFileInfo::exists(installed))
        found = QFileInfo(installed).canonicalFilePath();
    found = pageInLanguage(found);
    if (!desktop().openDocument(found))
        Application->MessageBox(fromQString(tr("Preview Files could not open the page \"%1\": "
                                               "this desktop has no program to open it with. "
                                               "Open the page in your web browser.")
                                                .arg(found)),
                                "Huevella", MessageButtons::Ok, MessageIcon::Warning);
}

void TfrmHuevella::mnuExitClick() {
    Close();
}
