// Picking from anywhere: the screen picker beside the pointer, the pointer
// and keyboard ours until a colour is taken or the pick is cancelled.

#include "core/colour/Pallet.h"
#include "picker/FrozenScreen.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Announce.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>

TfrmScreenPicker::~TfrmScreenPicker() {
    // The pointer and keyboard are never left taken by a window that is gone.
    if (screenPick && screenPick->grabbed) desktop().releaseInput();
}

QPoint TfrmScreenPicker::besidePointer(QPoint pointer, QSize picker, QRect monitor, int gap) {
    int x = pointer.x() + gap;
    if (x + picker.width() > monitor.right() + 1) x = pointer.x() - gap - picker.width();
    int y = pointer.y() + gap;
    if (y + picker.height() > monitor.bottom() + 1) y = pointer.y() - gap - picker.height();
    // Only a monitor too small for the picker on either side pushes it back.
    x = std::clamp(x, monitor.left(),
                   std::max(monitor.left(), monitor.right() + 1 - picker.width()));
    y = std::clamp(y, monitor.top(),
                   std::max(monitor.top(), monitor.bottom() + 1 - picker.height()));
    return {x, y};
}

void TfrmScreenPicker::pickFromScreen(CodeFormat form,
                                      std::function<void(const PickOutcome&)> done) {
    if (screenPick) cancelScreenPick();
    // A key pick from the book's eyedropper gives way.
    cancelKeyPicking();
    keepAbove(true);
    ++pickCount;
    screenPick = ScreenPick{form, std::move(done)};
    lastPointer = desktop().nativeCursorPos();
    dragging = false;
    codeWanted = true;
    const ScreenRead read = desktop().beginScreenRead(
        lastPointer, [this](const ScreenRead& changed) { screenReadChanged(changed); });
    // Where the desktop is asked for a picture, the picker stays out of it
    // until there is something to say.
    if (read.state != ScreenRead::State::Waiting) showBesidePointer();
    screenReadChanged(read);
}

void TfrmScreenPicker::showBelowQuestion() {
    if (isVisible()) return;
    Show();
    raise();
    const QScreen* screen = QGuiApplication::screenAt(logicalPoint(lastPointer));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    followTo({area.center().x() - width() / 2, area.bottom() + 1 - height() - PointerGap});
}

void TfrmScreenPicker::showBesidePointer() {
    if (isVisible()) return;
    Show();
    raise();
    followPointer();
}

// Each state of the screen's reading, for the pick: the pointer is taken
// once there are pixels to read; the desktop's own picker needs it itself.
void TfrmScreenPicker::screenPickRead(ScreenRead::State state) {
    using State = ScreenRead::State;
    switch (state) {
    case State::Live: grabForPick(); break;
    case State::Frozen: showPicture(); break;
    case State::Waiting: break;
    case State::Asking:
        // The person may say no here too: Escape cancels the question. Out
        // of the way of the desktop's question, which it centres.
        showBelowQuestion();
        desktop().setForegroundWindow(this);
        listenForPick();
        break;
    case State::Picking: showBesidePointer(); break;
    case State::Picked:
        // The desktop's picker took it: there is nothing more to choose.
        QTimer::singleShot(0, this, [this] { takeScreenPick(); });
        break;
    case State::Unreadable:
    case State::Failed:
    case State::Cancelled:
    case State::NoAnswer:
        showBesidePointer();
        cancelLater(lastMessage);
        break;
    }
}

// The picture over every screen, the picker drawn into it: the pointer is
// over a window of ours wherever it goes, and its events come to us without
// a grab (Xwayland gives an X grab no input from the desktop's pointer).
void TfrmScreenPicker::showPicture() {
    if (!frozen.empty()) return;
    // A picture taken while the picker was out (the desktop asked the
    // person first) holds the picker: asked for once more without it.
    if (isVisible() && !screenPick->pictureRetaken) {
        screenPick->pictureRetaken = true;
        Hide();
        const ScreenRead read = desktop().beginScreenRead(
            lastPointer, [this](const ScreenRead& changed) { screenReadChanged(changed); });
        screenReadChanged(read);
        return;
    }
    const QRect area = desktop().screenArea();
    const auto picture = desktop().grabScreen(area);
    if (!picture) {
        showBesidePointer();
        cancelLater("Can't read: This desktop does not let programs read the screen");
        return;
    }
    for (QScreen* screen : QGuiApplication::screens())
        frozen.push_back(std::make_unique<FrozenScreen>(*picture, area, screen));
    const QScreen* under = QGuiApplication::screenAt(logicalPoint(lastPointer));
    for (const auto& cover : frozen) {
        cover->setCursor(Screen()->Cursor(crEyedropper));
        cover->showFullScreen();
        if (cover->screen() == under || !under) {
            desktop().setForegroundWindow(cover.get());
            cover->setFocus();
            under = cover->screen();
        }
    }
    Hide();
    listenForPick();
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
    // Over the picture, the point read is the pointer: what the window
    // system last knew of it may be stale (Xwayland after a jump).
    const QPoint pointer =
        !frozen.empty() ? logicalPoint(lastPointer) : eventPointer().value_or(QCursor::pos());
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Clear of the pixels the magnifier shows, however small the
    // enlargement: it never shows itself.
    const QRect source = magnification().source(QPoint());
    const int reach = std::max({-source.left(), source.right(), -source.top(), source.bottom()});
    const int gap = std::max(PointerGap, int(std::ceil(reach / screen->devicePixelRatio())) + 4);
    followTo(besidePointer(pointer, size(), screen->geometry(), gap));
    drawOverPicture();
}

// Over the picture the picker is drawn where it would be; it is shown
// once the pointer has been seen there.
void TfrmScreenPicker::drawOverPicture() {
    if (frozen.empty() || !screenPick || !screenPick->pointerSeen) return;
    const QPixmap look = grab();
    for (const auto& cover : frozen)
        cover->setPicker(look, pos());
}

// A place among the device pixels as Qt's coordinates: each screen keeps its
// origin and scales what lies beyond it.
QPoint TfrmScreenPicker::logicalPoint(QPoint native) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        const QRect device(g.topLeft(),
                           QSize(qRound(g.width() * ratio), qRound(g.height() * ratio)));
        if (device.contains(native)) return g.topLeft() + ((native - g.topLeft()) / ratio);
    }
    return native;
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
    // While the desktop asks the person there is nothing to read: only a
    // cancel, which closes the question too.
    if (reading != ScreenRead::State::Live && reading != ScreenRead::State::Frozen) {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return TForm::eventFilter(watched, event);
        cancelScreenPick();
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        lastPointer = desktop().nativeCursorPos();
        screenPick->pointerSeen = true;
        sampleAt(lastPointer, true);
        followPointer();
        return true;
    // Qt gives a press soon after the last pick's click to the window as a
    // double click alone: it takes or cancels as any press does.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        lastPointer = desktop().nativeCursorPos();
        screenPick->pointerSeen = true;
        if (button == Qt::LeftButton) {
            sampleAt(lastPointer, true);
            takeScreenPick(static_cast<QMouseEvent*>(event)->modifiers() & Qt::ShiftModifier);
        } else if (button == Qt::RightButton) {
            cancelScreenPick();
        }
        return true;
    }
    case QEvent::Wheel: wheelZoom(static_cast<QWheelEvent*>(event)); return true;
    case QEvent::MouseButtonRelease:
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
    // Over the picture the picker is drawn, not shown; before the picture
    // it stays out of it.
    if (!screenPick || !screenPick->grabbed) return;
    const int count = pickCount;
    QTimer::singleShot(0, this, [this, count] {
        if (count == pickCount && screenPick && screenPick->grabbed && !isVisible())
            cancelScreenPick();
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
    case Qt::Key_Enter: takeScreenPick(shift); return;
    case Qt::Key_Space: takeScreenPick(); return;
    default: sampleKey(key); return;
    }
    if (frozen.empty()) {
        lastPointer = desktop().warpPointer(lastPointer + by);
    } else {
        // Over the picture the point moves, not the pointer: a warp would
        // have Xwayland emulate the pointer from then on, and lose jumps.
        const QRect area = desktop().screenArea();
        lastPointer = lastPointer + by;
        lastPointer = QPoint(std::clamp(lastPointer.x(), area.left(), area.right()),
                             std::clamp(lastPointer.y(), area.top(), area.bottom()));
        screenPick->pointerSeen = true;
    }
    sampleAt(lastPointer, true);
    followPointer();
}

void TfrmScreenPicker::takeScreenPick(bool goOn) {
    if (!screenPick) return;
    // Only a colour read from the screen is taken; a message is none.
    if (!holdsColour || !captionIsCode) return;
    const TColor color = pnlPickerColor->Color();
    // Once one is kept, every colour of the series has its slot.
    const bool series = goOn || screenPick->kept > 0;
    if (series)
        emit colourKept(color, screenPick->kept++ % 3 + 1);
    else
        emit colourTaken(color);
    Clipboard().setAsText(codeInFormat(color, screenPick->form));
    // Heard as the eyedropper's pick is.
    const QString code = toQString(ColorToCode(color));
    if (!goOn) {
        announce(tr("Taken, %1").arg(code));
        endScreenPick({color, {}});
        return;
    }
    announce(tr("Taken, %1, as card colour %2; picking goes on")
                 .arg(code)
                 .arg((screenPick->kept - 1) % 3 + 1));
    screenPick->lastKept = color;
    if (screenPick->done) screenPick->done({color, {}, true});
}

void TfrmScreenPicker::cancelScreenPick(const std::string& why) {
    if (!screenPick) return;
    // Several picks end with Escape: what was taken stands.
    if (screenPick->kept > 0 && why.empty()) {
        announce(tr("Done, taken: %1").arg(screenPick->kept));
        endScreenPick({screenPick->lastKept, {}, false, true});
        return;
    }
    // A failure says itself as it is shown.
    if (why.empty()) announce(tr("Cancelled"));
    endScreenPick({std::nullopt, why});
}

void TfrmScreenPicker::endScreenPick(const PickOutcome& outcome) {
    auto pick = std::move(*screenPick);
    screenPick.reset();
    if (pick.listening) qApp->removeEventFilter(this);
    // Over before it held anything: nothing waits for it any more.
    if (!pick.listening) emit pickHolds();
    if (pick.grabbed) desktop().releaseInput();
    // A request still open is closed: its question or picker goes with it.
    desktop().abandonScreenRead();
    frozen.clear();
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
