#include "platform/forms/Announce.h"

#include "platform/forms/Forms.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace {

// Long enough for a held arrow key to pass over its colours unsaid, short
// enough that the one it stops on follows at once.
constexpr int Pause = 350; // ms
// Time enough for the screen reader to have heard a notification shown.
constexpr int SaidWithin = 1500; // ms

// One of our windows, the one with the focus where it can be: a menu or a
// dialog may be closing as it speaks.
QWidget* speakingWindow() {
    if (QWidget* focus = QApplication::focusWidget();
        focus && qobject_cast<TForm*>(focus->window()))
        return focus->window();
    if (qobject_cast<TForm*>(QApplication::activeWindow())) return QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<TForm*>(window) && window->isVisible()) return window;
    return nullptr;
}

QWidget* announcerOf(QWidget* window) {
    auto* announcer =
        window->findChild<QWidget*>(QStringLiteral("announcer"), Qt::FindDirectChildrenOnly);
    if (announcer) return announcer;
    announcer = new QWidget(window);
    announcer->setObjectName(QStringLiteral("announcer"));
    announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcer->setFocusPolicy(Qt::NoFocus);
    announcer->setGeometry(0, 0, 0, 0);
    announcer->hide();
    return announcer;
}

} // namespace

void announce(const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) return;
    QWidget* window = speakingWindow();
    if (!window) return;
    QWidget* announcer = announcerOf(window);
    // A notification is said as it comes to be shown; put away once said,
    // so that the window coming back does not say it again.
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
    QTimer::singleShot(SaidWithin, announcer, [announcer, text] {
        if (announcer->accessibleName() == text) announcer->hide();
    });
}

void announceAfterPause(const QString& text) {
    if (!QAccessible::isActive()) return;
    static QPointer<QTimer> timer;
    static QString latest;
    latest = text;
    if (!timer) {
        timer = new QTimer(qApp);
        timer->setSingleShot(true);
        timer->setInterval(Pause);
        QObject::connect(timer, &QTimer::timeout, [] { announce(latest); });
    }
    timer->start();
}

void announceName(QWidget* control) {
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control))
        announce(face->text(QAccessible::Name));
}
