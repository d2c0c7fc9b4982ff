// Where the windows go: a companion docked beside the book, placed by the
// window manager or, where it ignores our places, by ourselves.
#include "platform/forms/Forms.h"

#include "platform/desktop/Desktop.h"
#include "platform/forms/Application.h"
#include "platform/forms/Keyboard.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace {

std::function<void()>& replaceCompanions() {
    static std::function<void()> replace;
    return replace;
}

// A window the window manager does not manage gets the keyboard only when
// it asks for it: a click on something that takes the keyboard asks. Other
// clicks leave the activation where it is, as on a managed companion.
class ActivateOnPress : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && object->isWidgetType() &&
            static_cast<QWidget*>(object)->focusPolicy() & Qt::ClickFocus) {
            QWidget* window = static_cast<QWidget*>(object)->window();
            if (window->windowFlags() & Qt::X11BypassWindowManagerHint && !window->isActiveWindow())
                window->activateWindow();
        }
        return false;
    }
};

// Decided before the first window is made where the window manager is known
// to put windows where it likes: a companion placed by it first would show
// there (over the book) until taken over. Elsewhere a companion's first
// place tells.
bool& ourPlacement() {
    static bool ours = [] {
        if (!desktop().windowManagerIgnoresPlaces()) return false;
        qApp->installEventFilter(new ActivateOnPress(qApp));
        return true;
    }();
    return ours;
}

} // namespace

// A plain window the window manager leaves alone: a tool window's type
// would also keep the keyboard from it on wlroots compositors.
Qt::WindowFlags TForm::unmanagedFlags(Qt::WindowFlags flags) {
    return (flags & ~Qt::WindowType_Mask) | Qt::Window | Qt::X11BypassWindowManagerHint;
}

void TForm::placeAt(QPoint place) {
    // Where the rules would leave part of the window off its screen (a book
    // near an edge, a large scale), it is moved in just enough.
    QScreen* screen = QGuiApplication::screenAt(place + QPoint(width() / 2, height() / 2));
    if (!screen) screen = QGuiApplication::screenAt(place);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        place.setX(
            std::clamp(place.x(), area.left(), std::max(area.left(), area.right() + 1 - width())));
        place.setY(
            std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
    }
    wanted = place;
    // The window itself, whatever frame the window system may have given it.
    setGeometry(QRect(place, size()));
}

void TForm::followTo(QPoint place) {
    wanted = place;
    setGeometry(QRect(place, size()));
}

void TForm::whenPlacementIgnored(std::function<void()> replace) {
    replaceCompanions() = std::move(replace);
}

bool TForm::placingOurselves() {
    return ourPlacement();
}

void TForm::Show() {
    // Placed by us, a companion goes beside the book where the compositor
    // has it now, which may not be where the book was asked to go.
    if (docked && !isVisible() && placingOurselves() && replaceCompanions()) replaceCompanions()();
    show();
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Opened from the keyboard, a companion takes the focus: the keys go on
    // there. Opened by the mouse, the focus stays where it was.
    if (docked && RunningFromKeyboard()) {
        activateWindow();
        focusFirstControl(this);
    }
    // A companion moved in from the screen's edge may lie over the main
    // window: the main window stays above it, its controls within reach
    // (a window manager would keep it so; a bare X server does not).
    QWidget* main = Application ? Application->MainForm() : nullptr;
    if (docked && main && main != this && main->isVisible()) {
        const QRect overlap = geometry().intersected(main->geometry());
        if (overlap.width() > 1 && overlap.height() > 1) main->raise();
    }
    // The window system answers a new window's place soon after it is
    // mapped; a compositor that ignores it has put it elsewhere by then.
    if (docked && wanted && !placingOurselves())
        QTimer::singleShot(400, this, [this] { checkPlacement(); });
}

void TForm::checkPlacement() {
    if (!isVisible() || !wanted || placingOurselves()) return;
    const std::optional<QPoint> real = desktop().windowPlace(this);
    // A pixel or two is rounding at fractional scales.
    if (real && (*real - *wanted).manhattanLength() > 2) placeAllOurselves();
}

// The companions become windows of our own placing: placed exactly, docked
// to the book wherever the compositor put it, above other windows as
// menus are. Their keyboard comes with a click.
void TForm::placeAllOurselves() {
    ourPlacement() = true;
    qApp->installEventFilter(new ActivateOnPress(qApp));
    std::vector<TForm*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<TForm*>(widget);
        if (!form || !form->docked) continue;
        if (form->isVisible()) shown.push_back(form);
        form->setWindowFlags(unmanagedFlags(form->windowFlags()));
        // Made anew: a window manager may hold the old one in a frame of its own.
        if (form->windowHandle()) form->windowHandle()->destroy();
    }
    if (replaceCompanions()) replaceCompanions()();
    for (TForm* form : shown)
        form->show();
}
