#include "platform/forms/Edit.h"

#include "platform/forms/Application.h"
#include "platform/forms/TextFit.h"

#include <QKeyEvent>
#include <QSet>
#include <QValidator>

namespace {

// A single-line edit holds one line of 8-bit text: control characters (a
// pasted line break) become spaces, and a limit counts the bytes the text
// takes, not the characters shown.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    int maxBytes = 0;

    State validate(QString& input, int& pos) const override {
        for (QChar& c : input)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
        if (maxBytes <= 0) return Acceptable;
        // Cut what was just put in before the caret, so the text already
        // there stays; then, if need be, the end.
        while (input.toUtf8().size() > maxBytes) {
            int at = pos > 0 ? pos - 1 : int(input.size()) - 1;
            if (at < 0) break;
            int count = 1;
            if (at > 0 && input.at(at).isLowSurrogate() && input.at(at - 1).isHighSurrogate())
                --at, ++count;
            input.remove(at, count);
            if (pos > at) pos = std::max(at, pos - count);
        }
        return Acceptable;
    }
};

} // namespace

namespace {
// Keys pressed in an edit and not yet released. A release whose press went
// elsewhere (the Enter that closed a message box) is not an edit's key-up;
// a Tab pressed in one edit and released in the next still is, as on the
// framework's edits.
QSet<int>& keysDownInEdits() {
    static QSet<int> keys;
    return keys;
}

// A key pressed in an edit may be released anywhere: on the control the
// focus went to (a Tab onto the swatch), in another window, or nowhere at
// all when the press hid its window (Escape). Such a key is no longer down in an edit, or it
// would hold every later mouse entry back for good.
class KeyReleaseWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            // To a widget: the window's own copy of the event comes first.
            if (!key->isAutoRepeat() && watched->isWidgetType() && !qobject_cast<TEdit*>(watched))
                keysDownInEdits().remove(key->key());
            break;
        }
        case QEvent::Hide:
            // Our own windows only: a tooltip going is no reason. A window
            // that hid while a key was down (Escape) gets no release.
            if (watched->isWidgetType() && watched->inherits("TForm")) keysDownInEdits().clear();
            break;
        default: break;
        }
        return false;
    }
};

void watchKeyReleases() {
    static KeyReleaseWatch* watch = nullptr;
    if (watch || !qApp) return;
    watch = new KeyReleaseWatch(qApp);
    qApp->installEventFilter(watch);
}
} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent), oneLine(new OneLineValidator(this)) {
    setValidator(oneLine);
    watchKeyReleases();
    // A change made with the mouse (a paste from the menu, a middle click)
    // is an entry like one typed: its handler runs as a key-up would.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!keysDownInEdits().isEmpty() || !OnKeyUp) return;
        unsigned short none = 0;
        safeCall([&] { OnKeyUp(none, 0); });
    });
    connect(this, &QLineEdit::textChanged, this, [this] { fitText(); });
}

void TEdit::setShrinkToFit(bool value) {
    if (value == fullFont.has_value()) return;
    if (!value) {
        setFont(*fullFont);
        fullFont.reset();
        return;
    }
    fullFont = font();
    fitText();
}

void TEdit::fitText() {
    if (!fullFont) return;
    // Qt's line edit keeps two pixels either side of its text margins, and
    // one for the caret.
    const int room = contentsRect().marginsRemoved(textMargins()).width() - 2 * 2 - 1;
    setFont(fittingFont(*fullFont, text(), room, this));
}

void TEdit::setMaxBytes(int bytes) {
    static_cast<OneLineValidator*>(oneLine)->maxBytes = bytes;
}

void TEdit::setTextValue(const std::string& value) {
    shown = value;
    const QString next = toQString(value);
    if (next != text()) setText(next);
}

void TEdit::setColor(TColor value) {
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(value));
    setPalette(p);
    // A filled edit covers what lies beneath: nothing under it is repainted
    // when its text changes.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TEdit::setHideSelection(bool hide) {
    QPalette p = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        const QColor active = p.color(QPalette::Active, role);
        p.setColor(QPalette::Inactive, role,
                   hide ? p.color(QPalette::Inactive, QPalette::Base) : active);
    }
    setPalette(p);
}

void TEdit::focusInEvent(QFocusEvent* event) {
    if (autoSelect) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // Entered by Tab, an edit that does not select all keeps its caret.
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (OnExit && event->reason() != Qt::PopupFocusReason) safeCall(OnExit);
}

bool TEdit::event(QEvent* event) {
    // Before Tab is taken for moving the focus.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) keysDownInEdits().insert(key->key());
    }
    return QLineEdit::event(event);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (OnKeyPress && text.size() == 1 && text.at(0).unicode() < 128) {
        char key = char(text.at(0).unicode());
        safeCall([&] { OnKeyPress(key); });
        if (key == 0) return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats presses, not releases; the release that ends it
    // counts once.
    const bool ours = !event->isAutoRepeat() && keysDownInEdits().remove(event->key());
    if (OnKeyUp && ours) {
        auto key = static_cast<unsigned short>(event->key() & 0xFFFF);
        safeCall([&] { OnKeyUp(key, shiftOf(event->modifiers(), Qt::NoButton)); });
    }
    QLineEdit::keyReleaseEvent(event);
}
