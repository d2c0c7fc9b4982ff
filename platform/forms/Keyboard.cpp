#include "platform/forms/Keyboard.h"

#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "platform/forms/PaintBox.h"
#include "platform/forms/ScrollBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace {

bool& fromKeyboard() {
    static bool running = false;
    return running;
}

// A handler run for a key: what it opens takes the focus.
void runFromKeyboard(const TNotifyEvent& handler) {
    const bool before = fromKeyboard();
    fromKeyboard() = true;
    safeCall(handler);
    fromKeyboard() = before;
}

bool activatesFocused(const QKeyEvent* event) {
    const int key = event->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The focus mark: a ring in the skins' amber around the focused control,
// drawn through to the clicks beneath. Its dark outer edge and light inner
// edge keep it at 3:1 or more against whatever colour lies on either side
// (a dark line stands out from what has a relative luminance of 0.13 or
// more, a light one from what has 0.27 or less). One per window; it lives
// beside the control, so that in a scroll box it is clipped and moved
// with it.
class FocusMark : public QWidget {
public:
    static constexpr int Width = 4; // the ring's thickness, outside the control

    explicit FocusMark(QWidget* window) : QWidget(window) {
        setObjectName("focusMark");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
    void follow(QWidget* control) {
        if (!control || control->window() != window() || control == window()) {
            hide();
            return;
        }
        QWidget* beside = control->parentWidget();
        for (QWidget* w = beside; w && w != window(); w = w->parentWidget())
            if (auto* box = qobject_cast<TScrollBox*>(w)) box->ensureWidgetVisible(control, 4, 4);
        if (parentWidget() != beside) setParent(beside);
        const QRect around = control->geometry().adjusted(-Width, -Width, Width, Width);
        // At the edge of its window the ring comes in over the control.
        setGeometry(around.intersected(beside->rect()));
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect r = rect();
        painter.setPen(Qt::NoPen);
        const auto ring = [&](int inset, int width, QColor colour) {
            QPainterPath path;
            path.addRect(r.adjusted(inset, inset, -inset, -inset));
            path.addRect(r.adjusted(inset + width, inset + width, -inset - width, -inset - width));
            painter.fillPath(path, colour);
        };
        ring(0, 1, Dark);
        ring(1, 2, Amber);
        ring(3, 1, Light);
    }

private:
    static constexpr QColor Dark{0x1A, 0x14, 0x10};
    static constexpr QColor Amber{0xF2, 0xA3, 0x3A};
    static constexpr QColor Light{0xFF, 0xF4, 0xE2};
};

// By name: the mark has no meta-object of its own to be told apart by.
// Only our windows have one; a window being destroyed (a dialog that had
// the focus) is no longer ours by then, and is not searched.
FocusMark* markOf(QWidget* window) {
    auto* form = qobject_cast<TForm*>(window);
    return form ? static_cast<FocusMark*>(form->findChild<QWidget*>(QStringLiteral("focusMark")))
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
        runFromKeyboard(OnContextPopup);
        event->accept();
        return;
    }
    if (activatesFocused(event) && !event->isAutoRepeat() && OnClick) {
        const QPointer<TControl> self(this);
        runFromKeyboard(OnClick);
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
