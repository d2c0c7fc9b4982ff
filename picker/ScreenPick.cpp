// Picking from anywhere: the screen picker beside the pointer, the pointer
// and keyboard ours until a colour is taken or the pick is cancelled.

#include "picker/FrozenScreen.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/desktop/Desktop.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

TfrmScreenPicker::~TfrmScreenPicker() {
    // The pointer and keyboard are never left taken by a window that is gone.
    if (screenPick && screenPick->grabbed) desktop().releaseInput();
}

QPoint TfrmScreenPicker::besidePointer(QPoint pointer, QSize picker, QRect monitor) {
    int x = pointer.x() + PointerGap;
    if (x + picker.width() > monitor.right() + 1) x = pointer.x() - PointerGap - picker.width();
    int y = pointer.y() + PointerGap;
    if (y + picker.height() > monitor.bottom() + 1) y = pointer.y() - PointerGap - picker.height();
    // Only a monitor too small for the picker on either side pushes it back.
    x = std::clamp(x, monitor.left(),
                   std::max(monitor.left(), monitor.right() + 1 - picker.width()));
    y = std::clamp(y, monitor.top(),
                   std::max(monitor.top(), monitor.bottom() + 1 - picker.height()));
    return {x, y};
}

void TfrmScreenPicker::pickFromScreen(CodeForm form, std::function<void(const PickOutcome&)> done) {
    if (screenPick) cancelScreenPick();
    // A key pick from the book's eyedropper gives way.
    cancelKeyPicking();
    keepAbove(true);
    ++pickCount;
    screenPick = ScreenPick{form, std::move(done)};
    lastPointer = desktop().nativeCursorPos();
    dragging = false;
    codeWanted = true;
    Show();
    raise();
    followPointer();
    const ScreenRead read = desktop().beginScreenRead(
        lastPointer, [this](const ScreenRead& changed) { screenReadChanged(changed); });
    screenReadChanged(read);
}

// Each state of the screen's reading, for the pick: the pointer is taken
// once there are pixels to read; the desktop's own picker needs it itself.
void TfrmScreenPicker::screenPickRead(ScreenRead::State state) {
    using State = ScreenRead::State;
    switch (state) {
    case State::Live: grabForPick(); break;
    case State::Frozen:
        if (!frozen) {
            const QRect area = desktop().screenArea();
            if (const auto picture = desktop().grabScreen(area))
                frozen = std::make_unique<FrozenScreen>(*picture, area);
        }
        if (!frozen) {
            cancelLater("Can't read: This desktop does not let programs read the screen");
            break;
        }
        // The picture covers every screen: the pointer is over a window of
        // ours wherever it goes, and its events come to us without a grab
        // (Xwayland gives an X grab no input from the desktop's pointer).
        frozen->setCursor(Screen()->Cursor(crEyedropper));
        frozen->show();
        // Mapped again after the picture, so that it shows above it on
        // compositors that stack windows by when they were mapped.
        hide();
        show();
        followPointer();
        listenForPick();
        break;
    case State::Waiting:
    case State::Asking:
    case State::Picking: break;
    case State::Picked:
        // The desktop's picker took it: there is nothing more to choose.
        QTimer::singleShot(0, this, [this] { takeScreenPick(); });
        break;
    case State::Unreadable:
    case State::Failed:
    case State::Cancelled:
    case State::NoAnswer: cancelLater(lastMessage); break;
    }
}

void TfrmScreenPicker::keepAbove(bool above) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == above) return;
    // Qt hides a window whose flags change.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, above);
    if (shown) show();
}

// Ended once the reading that said so has returned.
void TfrmScreenPicker::cancelLater(const std::string& why) {
    const int count = pickCount;
    QTimer::singleShot(0, this, [this, count, why] {
        if (count == pickCount) cancelScreenPick(why);
    });
}

void TfrmScreenPicker::listenForPick() {
    if (!screenPick || screenPick->listening) return;
    screenPick->listening = true;
    qApp->installEventFilter(this);
    emit pickHolds();
}

// Tried again until the window system has the picker on the screen (a
// window manager maps it in its own time) and a desktop's shortcut has let
// the keyboard go, a second and a half at most, without ever holding the
// program up.
void TfrmScreenPicker::grabForPick(int attempt) {
    if (!screenPick || screenPick->grabbed) return;
    const int count = pickCount;
    const bool taken = desktop().grabInput(this, Screen()->Cursor(crEyedropper), [this, count] {
        if (screenPick && count == pickCount) {
            screenPick->grabbed = false;
            cancelScreenPick();
        }
    });
    if (!taken) {
        // A window not yet mapped cannot be grabbed for: a window manager
        // slowed by a busy machine can take seconds to map it, and that is
        // waited for longer than another program's grab.
        const bool mapped = windowHandle() && windowHandle()->isExposed();
        if (attempt >= (mapped ? GrabAttempts : MapAttempts)) {
            cancelScreenPick("Can't pick: another program holds the pointer or the keyboard");
            return;
        }
        // The map usually comes within a few milliseconds: asked again soon
        // at first, so that a pick from a cold start is not held up by it.
        const int wait = !mapped && attempt <= QuickMapAttempts ? QuickMapRetry : GrabRetry;
        QTimer::singleShot(wait, this, [this, count, attempt] {
            if (count == pickCount) grabForPick(attempt + 1);
        });
        return;
    }
    screenPick->grabbed = true;
    listenForPick();
    if (reading == ScreenRead::State::Live) sampleAt(desktop().nativeCursorPos(), true);
}

void TfrmScreenPicker::followPointer() {
    const QPoint pointer = eventPointer().value_or(QCursor::pos());
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    followTo(besidePointer(pointer, size(), screen->geometry()));
}

bool TfrmScreenPicker::eventFilter(QObject* watched, QEvent* event) {
    // A window system that ignores our places has the picker's window made
    // anew, and an X grab goes with the window it was made for: taken again
    // for the new one.
    if (watched == this && event->type() == QEvent::WinIdChange && screenPick &&
        screenPick->grabbed) {
        const int count = pickCount;
        QTimer::singleShot(0, this, [this, count] {
            if (count != pickCount || !screenPick) return;
            desktop().releaseInput();
            screenPick->grabbed = false;
            grabForPick();
        });
    }
    if (!screenPick || !screenPick->listening || !watched->isWidgetType())
        return TForm::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        lastPointer = desktop().nativeCursorPos();
        followPointer();
        sampleAt(lastPointer, true);
        return true;
    // Qt gives a press soon after the last pick's click to the window as a
    // double click alone: it takes or cancels as any press does.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        lastPointer = desktop().nativeCursorPos();
        if (button == Qt::LeftButton) {
            sampleAt(lastPointer, true);
            takeScreenPick();
        } else if (button == Qt::RightButton) {
            cancelScreenPick();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::KeyRelease: return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        pickKey(key->key(), key->modifiers() & Qt::ShiftModifier);
        return true;
    }
    default: return TForm::eventFilter(watched, event);
    }
}

// The window system lets a grab go with the window it was taken for: a
// picker put away mid-pick (not merely mapped again) ends the pick, so that
// its caller hears rather than waits for ever.
void TfrmScreenPicker::hideEvent(QHideEvent* event) {
    TForm::hideEvent(event);
    if (!screenPick) return;
    const int count = pickCount;
    QTimer::singleShot(0, this, [this, count] {
        if (count == pickCount && !isVisible()) cancelScreenPick();
    });
}

void TfrmScreenPicker::pickKey(int key, bool shift) {
    const int step = shift ? 10 : 1;
    QPoint by;
    switch (key) {
    case Qt::Key_Left: by = {-step, 0}; break;
    case Qt::Key_Right: by = {step, 0}; break;
    case Qt::Key_Up: by = {0, -step}; break;
    case Qt::Key_Down: by = {0, step}; break;
    case Qt::Key_Escape: cancelScreenPick(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: takeScreenPick(); return;
    default: return;
    }
    lastPointer = desktop().warpPointer(lastPointer + by);
    followPointer();
    sampleAt(lastPointer, true);
}

void TfrmScreenPicker::takeScreenPick() {
    if (!screenPick) return;
    // Only a colour read from the screen is taken; a message is none.
    if (!holdsColour || !captionIsCode) return;
    const TColor color = pnlPickerColor->Color();
    emit colourTaken(color);
    Clipboard().setAsText(codeInForm(color, screenPick->form));
    endScreenPick({color, {}});
}

void TfrmScreenPicker::cancelScreenPick(const std::string& why) {
    if (!screenPick) return;
    endScreenPick({std::nullopt, why});
}

void TfrmScreenPicker::endScreenPick(const PickOutcome& outcome) {
    auto pick = std::move(*screenPick);
    screenPick.reset();
    if (pick.listening) qApp->removeEventFilter(this);
    // Over before it held anything: nothing waits for it any more.
    if (!pick.listening) emit pickHolds();
    if (pick.grabbed) desktop().releaseInput();
    desktop().endScreenRead();
    frozen.reset();
    if (outcome.why.empty()) {
        Hide();
        emit dockWanted();
    } else {
        // The message stays a moment beside the pointer, then goes.
        const int count = pickCount;
        QTimer::singleShot(4000, this, [this, count] {
            if (count == pickCount && !screenPick) {
                Hide();
                emit dockWanted();
            }
        });
    }
    if (pick.done) pick.done(outcome);
}
