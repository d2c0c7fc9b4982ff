#include "platform/desktop/Desktop.h"

#include "platform/desktop/CaptionDrag.h"
#include "platform/desktop/TrayEntry.h"
#include "platform/desktop/WaylandClipboard.h"
#include "platform/desktop/x11/InputGrab.h"
#include "platform/desktop/x11/PointerConfinement.h"
#include "platform/desktop/x11/WindowPlace.h"
#include "platform/screen/Backend.h"
#include "platform/screen/ScreenReading.h"
#include "platform/screen/portal/ScreenshotPortal.h"
#include "platform/screen/x11/ScreenGrab.h"
#include "platform/screen/x11/ServerMagnifier.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <map>
#include <utility>

namespace {
std::vector<std::string>& arguments() {
    static std::vector<std::string> kept;
    return kept;
}
} // namespace

void setProgramArguments(std::vector<std::string> bytes) {
    arguments() = std::move(bytes);
}

const std::vector<std::string>& programArguments() {
    return arguments();
}

namespace {

std::unique_ptr<Desktop>& current() {
    static std::unique_ptr<Desktop> instance;
    return instance;
}

QMessageBox::Icon iconFor(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class QtDesktop final : public Desktop {
public:
    MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                             MessageButtons buttons, MessageIcon icon) override {
        endGrabForQuestion();
        QMessageBox box(iconFor(icon), caption, text, QMessageBox::NoButton, owner);
        box.setTextFormat(Qt::PlainText);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        std::map<QAbstractButton*, MessageAnswer> answers;
        auto add = [&](QMessageBox::StandardButton b, MessageAnswer answer) {
            answers[box.addButton(b)] = answer;
        };
        switch (buttons) {
        case MessageButtons::YesNoCancel:
            add(QMessageBox::Yes, MessageAnswer::Yes);
            add(QMessageBox::No, MessageAnswer::No);
            add(QMessageBox::Cancel, MessageAnswer::Cancel);
            break;
        case MessageButtons::YesNo:
            add(QMessageBox::Yes, MessageAnswer::Yes);
            add(QMessageBox::No, MessageAnswer::No);
            break;
        case MessageButtons::Ok: add(QMessageBox::Ok, MessageAnswer::Ok); break;
        }
        box.exec();
        const auto found = answers.find(box.clickedButton());
        if (found != answers.end()) return found->second;
        // Closed without a button: Escape means Cancel where there is one.
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    }

    void showException(QWidget* owner, const QString& caption, const QString& message) override {
        endGrabForQuestion();
        QMessageBox box(QMessageBox::Critical, caption, message, QMessageBox::Ok, owner);
        box.setTextFormat(Qt::PlainText);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    }

    QPoint cursorPos() override {
        // Inside a mouse event the pointer is where the event says: no need
        // to ask the X server again.
        if (const auto fromEvent = eventPointer()) return *fromEvent;
        return QCursor::pos();
    }

    bool openDocument(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

    QString clipboardText() override { return QGuiApplication::clipboard()->text(); }
    void setClipboardText(const QString& text) override {
        QGuiApplication::clipboard()->setText(text);
        offerOnWaylandClipboard(text);
    }

    bool systemTrayAvailable() override { return QSystemTrayIcon::isSystemTrayAvailable(); }

    void showTrayEntry(TrayEntry& entry) override {
        auto& icon = trays[&entry];
        if (!icon) {
            icon = std::make_unique<QSystemTrayIcon>();
            QSystemTrayIcon* const tray = icon.get();
            QObject::connect(tray, &QSystemTrayIcon::activated, &entry,
                             [&entry, tray](QSystemTrayIcon::ActivationReason reason) {
                                 if (const auto action =
                                         trayActionFor(reason, singleActivationTray(*tray)))
                                     emit entry.activated(*action);
                             });
            // Asked once, as Qt chooses between D-Bus and an embedded icon
            // once, when the icon is made.
            if (entry.menu() && statusNotifierHostUp())
                icon->setContextMenu(mirrorOf(entry.menu()));
        }
        icon->setIcon(entry.icon());
        icon->setToolTip(entry.toolTip());
        icon->show();
        // The tray's request goes out now, not when the event loop next
        // runs: the tray takes the icon in while the other windows are made.
        if (xcb_connection_t* c = xConnection()) xcb_flush(c);
    }
    void removeTrayEntry(TrayEntry& entry) override { trays.erase(&entry); }

    void setForegroundWindow(QWidget* window) override {
        if (!window) return;
        window->raise();
        window->activateWindow();
    }

    void popupMenu(QMenu* menu, QPoint pos) override { menu->popup(pos); }
    void captionDrag(QWidget* window) override { runCaptionDrag(window); }

    std::optional<QString> fileDialog(QWidget* owner, const FileDialogRequest& request) override {
        endGrabForQuestion();
        QFileDialog dialog(owner);
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultExt);
        if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        request.chosenFilter =
            std::max(0, int(request.filter.split(";;").indexOf(dialog.selectedNameFilter())));
        return dialog.selectedFiles().first();
    }

    bool clipCursor(const std::optional<QRect>& area) override {
        if (!area) {
            confinement.release();
            return true;
        }
        return confinement.confine(*area);
    }

    std::vector<std::string> commandLine() override { return programArguments(); }

    std::optional<QPoint> windowPlace(QWidget* window) override { return windowPlaceOnX(window); }
    bool windowManagerIgnoresPlaces() override {
        const QString name = windowManagerNameOnX();
        return name == QLatin1String("wlroots wm") || name == QLatin1String("Weston WM");
    }

    ScreenRead beginScreenRead(QPoint pointer, ScreenReadChanged changed) override {
        reading.pointerKnown = !onNativeWayland();
        return reading.begin(pointer, std::move(changed));
    }
    void endScreenRead() override { reading.end(); }
    void abandonScreenRead() override { reading.abandon(); }
    bool desktopAnswering() override { return reading.desktopAnswering(); }
    std::optional<QImage> grabScreen(const QRect& rect) override { return reading.read(rect); }
    std::optional<QImage> showEnlarged(QWidget* view, QWidget* overlay, const Magnification& m,
                                       QPoint pointer, const QRect& sample) override {
        // A frozen picture is the program's to enlarge.
        if (reading.state() == ScreenRead::State::Live)
            if (ServerMagnifier* server = ServerMagnifier::over(view, overlay))
                return server->showPixels(m, pointer, sample);
        if (ServerMagnifier* server = ServerMagnifier::of(view)) server->hide();
        return std::nullopt;
    }
    QPoint warpPointer(QPoint native) override {
        const QRect area = nativeDesktopArea();
        if (!area.isEmpty())
            native = QPoint(std::clamp(native.x(), area.left(), area.right()),
                            std::clamp(native.y(), area.top(), area.bottom()));
        warpPointerOnRoot(native);
        return native;
    }
    QPoint nativeCursorPos() override {
        // A mouse event's place is exact to the device pixel; without one
        // the X server is asked.
        if (const auto exact = eventPointerExact()) return toNative(*exact);
        if (const auto onRoot = pointerOnRoot()) return *onRoot;
        return toNative(QCursor::pos());
    }

    bool grabInput(QWidget* window, const QCursor& cursor, std::function<void()> lost) override {
        releaseInput();
        // The window's cursor is the one shown wherever the pointer goes.
        window->setCursor(cursor);
        const bool taken = grabInputOnX(window);
        if (!taken) {
            window->unsetCursor();
            return false;
        }
        grabbed = window;
        grabLost = std::move(lost);
        return true;
    }
    void releaseInput() override {
        if (!grabbed) return;
        releaseInputOnX();
        grabbed->unsetCursor();
        grabbed = nullptr;
        grabLost = {};
    }
    QRect screenArea() override { return nativeDesktopArea(); }

private:
    void endGrabForQuestion() {
        if (!grabbed) return;
        auto lost = std::move(grabLost);
        releaseInput();
        if (lost) lost();
    }

    QPointer<QWidget> grabbed;
    std::function<void()> grabLost;

    // Qt knows the place of an icon embedded in a tray window only.
    static bool singleActivationTray(const QSystemTrayIcon& icon) {
        return icon.geometry().isEmpty();
    }

    // The menu Qt exports holds the same actions as ours, so that they keep
    // one state and do one thing; ours stays a plain popup (a menu given to
    // the tray gets a platform menu Qt would try to pop natively).
    QMenu* mirrorOf(QMenu* menu) {
        auto& mirror = trayMenus[menu];
        if (!mirror) {
            mirror = std::make_unique<QMenu>();
            mirror->addActions(menu->actions());
        }
        return mirror.get();
    }

    std::map<QMenu*, std::unique_ptr<QMenu>> trayMenus;
    std::map<TrayEntry*, std::unique_ptr<QSystemTrayIcon>> trays;
    PointerConfinement confinement;
    ScreenReading reading{
        grabScreenDevicePixels,
        [] { return std::make_unique<ScreenshotPortal>(QDBusConnection::sessionBus()); },
        nativeDesktopArea};
};

} // namespace

namespace {
std::optional<QPointF>& eventPointerSlot() {
    static std::optional<QPointF> slot;
    return slot;
}
} // namespace

std::optional<QPoint> eventPointer() {
    if (!eventPointerSlot()) return std::nullopt;
    return eventPointerSlot()->toPoint();
}

std::optional<QPointF> eventPointerExact() {
    return eventPointerSlot();
}

EventPointerScope::EventPointerScope(const QEvent* event) : previous(eventPointerSlot()) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        eventPointerSlot() = static_cast<const QMouseEvent*>(event)->globalPosition();
        break;
    default: break;
    }
}

EventPointerScope::~EventPointerScope() {
    eventPointerSlot() = previous;
}

Desktop& desktop() {
    auto& instance = current();
    if (!instance) instance = makeQtDesktop();
    return *instance;
}

std::unique_ptr<Desktop> installDesktop(std::unique_ptr<Desktop> next) {
    return std::exchange(current(), std::move(next));
}

std::unique_ptr<Desktop> makeQtDesktop() {
    return std::make_unique<QtDesktop>();
}
