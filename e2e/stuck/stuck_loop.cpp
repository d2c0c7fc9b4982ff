// The program as it starts, with the book named on the command line, whose
// event loop gets really stuck once the book has changed: in Qt's own word
// query of a line edit (the loop Qt 6.4 never leaves), called as Qt would
// answer a screen reader without our edits' reading. Whatever ends it must
// still keep the unsaved book.
#include "app/WindowSet.h"
#include "book/TfrmHuevella.h"
#include "platform/forms/Application.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    HuevellaQtApplication qtApp(argc, argv);
    TApplication application;
    application.Initialize();
    application.setTitle("Huevella");
    CreateWindowSet();
    WatchBookAtSessionEnd();
    frmHuevella->imgBookClearCardClick();
    QTimer::singleShot(300, [] {
        QLineEdit edit(QStringLiteral("12 34"));
        QAccessibleTextInterface* reading =
            QAccessible::queryAccessibleInterface(&edit)->textInterface();
        std::puts("stuck");
        std::fflush(stdout);
        int start = 0, end = 0;
        // The word at the end, as a reader's Ctrl+Right at the last word asks.
        reading->QAccessibleTextInterface::textAtOffset(5, QAccessible::WordBoundary, &start, &end);
        std::puts("Qt's word query returned: nothing was stuck");
        std::fflush(stdout);
    });
    application.Run();
    DestroyWindowSet();
    return 0;
}
