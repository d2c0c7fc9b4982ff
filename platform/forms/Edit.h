#pragma once

#include "platform/forms/Controls.h"

#include <QLineEdit>

#include <optional>

class QValidator;

// The single-line edit: one line of UTF-8 text, a byte limit, the
// framework's key events.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent);
    std::string Text() const { return fromQString(text()); }
    // Setting the text it already holds leaves caret and selection alone.
    void setTextValue(const std::string& value);
    // The text the program last set: a key-up that leaves it so entered nothing.
    const std::string& ShownText() const { return shown; }
    void SelectAll() { selectAll(); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    bool Visible() const { return !isHidden(); }
    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }
    void setColor(TColor value);
    // Keep the selection drawn while another control has the focus.
    void setHideSelection(bool hide);
    // The most bytes the text may take as UTF-8; 0: no limit.
    void setMaxBytes(int bytes);
    // Whether entering the edit by Tab selects all its text.
    void setAutoSelect(bool value) { autoSelect = value; }
    // The whole text seen as it is typed: the font as it is now, made
    // smaller and narrower while the text would not fit.
    void setShrinkToFit(bool value);

    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    // The focus has left the edit (not for a menu of its own).
    TNotifyEvent OnExit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    QValidator* oneLine;
    bool autoSelect = true;
    std::string shown;
    std::optional<QFont> fullFont; // the font before any shrinking, while it shrinks to fit
    void fitText();
};
