#include "platform/forms/EditAccessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>
#include <vector>

namespace {

// Where the text's items of one kind meet, 0 and the length included, in
// order. Each step of the finder moves forward or ends: the walk ends.
std::vector<int> cutsOf(const QString& text, QAccessible::TextBoundaryType type) {
    std::vector<int> cuts{0};
    QTextBoundaryFinder::BoundaryType kind;
    switch (type) {
    case QAccessible::CharBoundary: kind = QTextBoundaryFinder::Grapheme; break;
    case QAccessible::WordBoundary: kind = QTextBoundaryFinder::Word; break;
    case QAccessible::SentenceBoundary: kind = QTextBoundaryFinder::Sentence; break;
    default: // a line, a paragraph, the whole: one line holds one of each
        cuts.push_back(int(text.size()));
        return cuts;
    }
    QTextBoundaryFinder finder(kind, text);
    const bool everyCut = kind == QTextBoundaryFinder::Grapheme;
    for (qsizetype at = finder.toNextBoundary(); at > cuts.back() && at <= text.size();
         at = finder.toNextBoundary()) {
        const auto reasons = finder.boundaryReasons();
        if (everyCut || at == text.size() ||
            (reasons & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem)))
            cuts.push_back(int(at));
    }
    if (cuts.back() != text.size()) cuts.push_back(int(text.size()));
    return cuts;
}

class EditAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit EditAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QString text(QAccessible::Text t) const override {
        QString said;
        if (t == QAccessible::Value) said = shownText();
        if (said.isEmpty()) said = QAccessibleWidget::text(t);
        if (said.isEmpty() && t == QAccessible::Description) said = edit()->placeholderText();
        return said;
    }
    void setText(QAccessible::Text t, const QString& value) override {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, value);
            return;
        }
        replaceText(0, characterCount(), value);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (edit()->isReadOnly())
            state.readOnly = true;
        else
            state.editable = true;
        if (edit()->echoMode() != QLineEdit::Normal) state.passwordEdit = true;
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text, caret and selection.
    QString text(int start, int end) const override {
        if (start > end) return {};
        return shownText().mid(start, end - start);
    }
    int characterCount() const override { return int(edit()->text().size()); }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !edit()->hasSelectedText()) return;
        *start = int(edit()->selectionStart());
        *end = int(edit()->selectionEnd());
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) edit()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) edit()->setSelection(start, end - start);
    }
    // One plain run, the whole text: a reader that joins runs (Orca 43)
    // would otherwise read an empty one as all but the last character.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QRect characterRect(int offset) const override {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty()) return {};
        const QFontMetrics metrics(edit()->font());
        // Measured from the caret, which knows the edit's margins and scroll.
        const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QString shown = shownText();
        const int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                      metrics.horizontalAdvance(shown.left(edit()->cursorPosition()));
        QRect rect(x, caret.y(), metrics.horizontalAdvance(character), metrics.height());
        rect.moveTo(edit()->mapToGlobal(rect.topLeft()));
        return rect;
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }

    // Items by offset; -2 is the caret, -1 the end.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return item(offset, type, -1, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return item(offset, type, 0, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return item(offset, type, 1, start, end);
    }

    // Changes go the way typing goes: through the edit's validator, and
    // taken by its handlers as an entry.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (edit()->isReadOnly()) return;
        const int length = characterCount();
        start = std::clamp(start, 0, length);
        end = std::clamp(end, start, length);
        edit()->setSelection(start, end - start);
        if (text.isEmpty() && end > start)
            edit()->del();
        else
            edit()->insert(text);
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(object()); }

    QString shownText() const {
        switch (edit()->echoMode()) {
        case QLineEdit::Normal: return edit()->text();
        case QLineEdit::NoEcho: return {};
        default: return QString(edit()->text().size(), QLatin1Char('*'));
        }
    }

    // The item that holds the offset (step 0), the one before it (-1) or
    // after it (1).
    QString item(int offset, QAccessible::TextBoundaryType type, int step, int* start,
                 int* end) const {
        const QString whole = shownText();
        const int length = int(whole.size());
        if (offset == -2) offset = cursorPosition();
        if (offset == -1) offset = length;
        *start = *end = -1;
        if (whole.isEmpty() || offset < 0 || offset > length) return {};
        const std::vector<int> cuts = cutsOf(whole, type);
        const bool wholeLine = cuts.size() == 2;
        // The item holding the offset. The end holds none, but for the line.
        const auto after = std::upper_bound(cuts.begin(), cuts.end(), offset);
        qsizetype index = (after - cuts.begin()) - 1;
        if (offset == length && step == 0) {
            if (!wholeLine) {
                *start = *end = length;
                return {};
            }
            index = 0;
        }
        const qsizetype wanted = index + step;
        if (wanted < 0 || wanted + 1 >= qsizetype(cuts.size())) {
            *start = *end = step < 0 ? 0 : length;
            return {};
        }
        *start = cuts[wanted];
        *end = cuts[wanted + 1];
        return whole.mid(*start, *end - *start);
    }
};

} // namespace

QAccessibleInterface* makeEditAccessible(QLineEdit* edit) {
    return new EditAccessible(edit);
}
