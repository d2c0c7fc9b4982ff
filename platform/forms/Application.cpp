#include "platform/forms/Application.h"
#include "platform/desktop/Pointer.h"

#include "platform/desktop/Desktop.h"
#include "platform/forms/Accessible.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Keyboard.h"

#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <utility>

TApplication* Application = nullptr;

TApplication::TApplication() {
    Application = this;
}

TApplication::~TApplication() {
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &watcher,
                     [this](Qt::ApplicationState state) {
                         const bool nowActive = state == Qt::ApplicationActive;
                         const bool lost = active && !nowActive;
                         active = nowActive;
                         if (lost) FreePointer();
                         if (lost) safeCall(OnDeactivate);
                     });
}

void TApplication::created(TForm* form) {
    makeKeyboardReachable(form);
    installAccessibility();
    safeCall([form] { form->FormCreate(); });
}

namespace {
int questionsOpen = 0;
} // namespace

QuestionOpen::QuestionOpen() {
    ++questionsOpen;
}

QuestionOpen::~QuestionOpen() {
    --questionsOpen;
}

bool questionIsOpen() {
    return questionsOpen > 0;
}

MessageAnswer TApplication::MessageBox(const std::string& text, const std::string& caption,
                                       MessageButtons buttons, MessageIcon icon) {
    const QuestionOpen open;
    QWidget* owner = mainForm && mainForm->isVisible() ? mainForm : nullptr;
    // A box may open where a confined pointer could never reach it.
    FreePointer();
    return desktop().messageBox(owner, toQString(text), toQString(caption), buttons, icon);
}

void TApplication::ShowException(const std::exception& error) {
    const QuestionOpen open;
    FreePointer();
    // Over the window where the error arose, and the keys go back to where
    // they were typed when the box is closed: the next key is not lost.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QWidget* owner = focus ? focus->window() : QApplication::activeWindow();
    desktop().showException(owner, toQString(title), QString::fromLocal8Bit(error.what()));
    if (!focus) return;
    focus->window()->activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
}

int TApplication::Run() {
    return QApplication::exec();
}

// exit() rather than quit(): quit() first closes every window again, and the
// main form's close is what called us.
void TApplication::Terminate() {
    QCoreApplication::exit(0);
}

namespace {

// Every window here is small. Through shared memory Qt waits on a round
// trip to the X server before each repaint, so that it never draws into an
// image the server is still reading; for a few kilobytes, sending the
// pixels costs less than that wait. Qt reads the switch while it connects,
// so it is set for that moment only, and no program started from here
// inherits it.
bool transferSetHere = false;

int& beforeConnecting(int& argc) {
    transferSetHere = !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (transferSetHere) qputenv("QT_XCB_NO_MITSHM", "1");
    return argc;
}

} // namespace

HuevellaQtApplication::HuevellaQtApplication(int& argc, char** argv)
    : QApplication(beforeConnecting(argc), argv) {
    if (transferSetHere) qunsetenv("QT_XCB_NO_MITSHM");
    // The window class window managers and tests know the program by, and
    // the desktop entry and icon the desktop knows it by.
    setApplicationName("huevella");
    setDesktopFileName(QString::fromLatin1(AppId));
    // Qt has taken its own options out of argv by now. The rest is kept as
    // bytes: arguments() decodes a file name that is not UTF-8 lossily.
    setProgramArguments(std::vector<std::string>(argv, argv + argc));
}

const std::vector<std::string>& HuevellaQtApplication::commandLine() {
    return programArguments();
}

QIcon BuiltInIcon(int largest) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        if (size <= largest)
            icon.addPixmap(QPixmap::fromImage(
                ReadPng(QString(":/forms/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId))));
    return icon;
}

namespace {

// A window the user sees: a form, a dialog or message box, a menu. Not the
// tray icon's own little window, nor a tooltip.
bool isOurWindow(QObject* object) {
    if (!object->isWidgetType() || !static_cast<QWidget*>(object)->isWindow()) return false;
    return qobject_cast<TForm*>(object) || qobject_cast<QDialog*>(object) ||
           qobject_cast<QMenu*>(object);
}

} // namespace

void HuevellaQtApplication::whenFirstWindowShows(QObject* owner, std::function<void()> action) {
    if (firstWindowShown)
        action();
    else
        firstWindowActions.push_back({owner, std::move(action)});
}

void HuevellaQtApplication::firstWindowShows() {
    firstWindowShown = true;
    // The theme's icon, if it has one: a theme search reads the theme's
    // whole index, which takes longer and more memory than all else at
    // start-up, and a program in the tray needs no window icon until then.
    // Searched once the window is out, so that it does not hold the window
    // up (a pick from anywhere waits for its picker to take the pointer).
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(QIcon::fromTheme(QString::fromLatin1(AppId), BuiltInIcon()));
        // An owner gone since takes its action with it.
        for (auto& [owner, action] : std::exchange(firstWindowActions, {}))
            if (owner) action();
    });
}

// Escape ends a drag on a strip that holds the pointer: the pointer is let
// go, and the moves and the release of that drag reach no control, so the
// value stays as it was last shown.
bool HuevellaQtApplication::dragCancelled(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape || !PointerConfined())
            return false;
        FreePointer();
        cancellingDrag = true;
        return true;
    case QEvent::MouseMove: return cancellingDrag;
    case QEvent::MouseButtonRelease:
        if (!cancellingDrag) return false;
        if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) cancellingDrag = false;
        return true;
    case QEvent::MouseButtonPress:
        // A press means the drag is long over (its release went elsewhere).
        cancellingDrag = false;
        return false;
    default: return false;
    }
}

bool HuevellaQtApplication::notify(QObject* receiver, QEvent* event) {
    const EventPointerScope pointer(event);
    if (receiver->isWidgetType() && dragCancelled(event)) return true;
    if (!firstWindowShown && event->type() == QEvent::Show && isOurWindow(receiver))
        firstWindowShows();
    try {
        const bool result = QApplication::notify(receiver, event);
        // A confined pointer is let go when the last button comes up, whoever
        // handled the release: a drag can never leave it trapped.
        if (event->type() == QEvent::MouseButtonRelease && receiver->isWidgetType() &&
            static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            FreePointer();
        return result;
    } catch (const std::exception& error) {
        if (Application) Application->ShowException(error);
    }
    return false;
}

void safeCall(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& error) {
        if (Application) Application->ShowException(error);
    }
}
