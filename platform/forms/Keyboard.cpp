#include "platform/forms/Keyboard.h"

#include "platform/forms/Forms.h"
#include "platform/forms/PaintBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace {

bool& fromKeyboard() {
    static bool running = false;
    return running;
}

bool activatesFocused(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The focus mark: a ring in the skins' amber, drawn over the focused
// control and through to the clicks beneath. One per window, following
// the focus.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget* window) : QWidget(window) {
        setObjectName("focusMark");
        setAccessibleName(QStringLiteral("Keyboard focus"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
    void follow(QWidget* control) {
        if (!control || control->window() != window() || qobject_cast<QLineEdit*>(control)) {
            hide();
            return;
        }
        setGeometry(QRect(control->mapTo(window(), QPoint(0, 0)), control->size()));
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(QPen(QColor(0x20, 0x18, 0x10, 0xC0), 3));
        painter.drawRoundedRect(ring, 3, 3);
        painter.setPen(QPen(QColor(0xF2, 0xA3, 0x3A), 1.5));
        painter.drawRoundedRect(ring, 3, 3);
    }
};

// By name: the mark has no meta-object of its own to be told apart by.
FocusMark* markOf(QWidget* window) {
    return window ? static_cast<FocusMark*>(window->findChild<QWidget*>(QStringLiteral("focusMark"),
                                                                        Qt::FindDirectChildrenOnly))
                  : nullptr;
}

// The mark shows while the keyboard is in use, as on the web's
// focus-visible: a key moves it, a mouse press puts it away.
class KeyboardUse : public QObject {
public:
    bool inUse = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && !inUse) {
            inUse = true;
            if (QWidget* focus = QApplication::focusWidget())
                if (FocusMark* mark = markOf(focus->window())) mark->follow(focus);
        } else if (event->type() == QEvent::MouseButtonPress && inUse) {
            inUse = false;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (FocusMark* mark = markOf(window)) mark->hide();
        }
        return false;
    }
};

void followFocus() {
    static KeyboardUse* use = nullptr;
    if (use || !qApp) return;
    use = new KeyboardUse();
    use->setParent(qApp);
    qApp->installEventFilter(use);
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget* now) {
        if (old && old->window() != (now ? now->window() : nullptr))
            if (FocusMark* mark = markOf(old->window())) mark->hide();
        if (!now) return;
        if (FocusMark* mark = markOf(now->window())) {
            if (use->inUse)
                mark->follow(now);
            else
                mark->hide();
        }
    });
}

// A control a click or a key works; not the surfaces a drag works (skins,
// marker strips), whose values have edits or keys of their own.
bool worksByKeys(const TControl* control) {
    if (qobject_cast<const TPaintBox*>(control)) return false;
    if (control->property("tabStop").isValid() && !control->property("tabStop").toBool())
        return false;
    return control->WorksByClickOrKey();
}

} // namespace

TShiftState shiftOfKeys(Qt::KeyboardModifiers modifiers) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    return shift;
}

bool RunningFromKeyboard() {
    return fromKeyboard();
}

void TControl::keyPressEvent(QKeyEvent* event) {
    if (OnKeyDown) {
        int key = event->key();
        safeCall([&] { OnKeyDown(key, shiftOfKeys(event->modifiers())); });
        if (key == 0) {
            event->accept();
            return;
        }
    }
    const bool contextKey =
        event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier));
    if (contextKey && OnContextPopup) {
        const bool before = fromKeyboard();
        fromKeyboard() = true;
        safeCall(OnContextPopup);
        fromKeyboard() = before;
        event->accept();
        return;
    }
    if (activatesFocused(event) && !event->isAutoRepeat() && OnClick) {
        const bool before = fromKeyboard();
        fromKeyboard() = true;
        const QPointer<TControl> self(this);
        safeCall(OnClick);
        fromKeyboard() = before;
        if (self) self->update();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (OnExit) safeCall(OnExit);
}

void makeKeyboardReachable(TForm* form) {
    followFocus();
    if (!markOf(form)) new FocusMark(form);
    std::vector<TControl*> others;
    for (TControl* control : form->findChildren<TControl*>()) {
        if (control->focusPolicy() != Qt::NoFocus || !worksByKeys(control)) continue;
        others.push_back(control);
    }
    std::stable_sort(others.begin(), others.end(), [](const TControl* a, const TControl* b) {
        // A row is the controls whose tops lie within a few pixels.
        if (std::abs(a->y() - b->y()) > 4) return a->y() < b->y();
        return a->x() < b->x();
    });
    QWidget* previous = form->TabChainEnd();
    for (TControl* control : others) {
        control->setFocusPolicy(Qt::TabFocus);
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void focusFirstControl(TForm* form) {
    // From the start of the form's own chain where it has one: the chain is
    // a ring, and the window itself may sit anywhere in it.
    QWidget* start = form->TabChainStart() ? form->TabChainStart() : form->nextInFocusChain();
    QWidget* w = start;
    do {
        if (w != form && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) &&
            w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
        w = w->nextInFocusChain();
    } while (w && w != start);
}
