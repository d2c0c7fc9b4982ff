#pragma once

#include "core/colour/TColor.h"

#include <QIcon>
#include <QLineEdit>
#include <QPixmap>

class QValidator;
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The framework's controls, each a thin QWidget with the framework's events
// and the few properties the windows use.

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;
inline constexpr TShiftState ssDouble = 64;

using TNotifyEvent = std::function<void()>;
using TMouseEvent = std::function<void(TMouseButton, TShiftState, int, int)>;
using TMouseMoveEvent = std::function<void(TShiftState, int, int)>;
using TKeyPressEvent = std::function<void(char&)>;
using TKeyEvent = std::function<void(unsigned short&, TShiftState)>;
// A key by Qt's code (Qt::Key_Left…); the handler sets it to 0 to take it.
using TKeyDownEvent = std::function<void(int&, TShiftState)>;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0x000000;

// The one crossing between the colours the windows compute with (0x00BBGGRR)
// and Qt's (0xAARRGGBB).
QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);
QRgb toQRgb(TColor color);
TColor fromQRgb(QRgb rgb);
QString toQString(const std::string& text);
std::string fromQString(const QString& text);

// Runs an event handler; an exception it throws is shown in the application's
// exception box instead of unwinding through the event loop.
void safeCall(const std::function<void()>& handler);

class TControl : public QWidget {
    Q_OBJECT
public:
    explicit TControl(QWidget* parent);

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    bool Visible() const { return !isHidden(); }
    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }
    QPoint ScreenToClient(QPoint point) const { return mapFromGlobal(point); }
    QPoint ClientToScreen(QPoint point) const { return mapToGlobal(point); }
    void setHint(const std::string& hint) { setToolTip(toQString(hint)); }
    // A cursor of the screen's cursor table, by number.
    void setCursorNumber(int number);

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    // A key pressed while the control has the focus; a handler that takes
    // it sets the key to 0. Otherwise Space and Enter click the control.
    TKeyDownEvent OnKeyDown;
    // The focus has left the control.
    TNotifyEvent OnExit;
    // The keyboard's right click: the Menu key or Shift+F10 on the focused
    // control (the mouse's goes to OnMouseDown and OnMouseUp).
    TNotifyEvent OnContextPopup;
    // Whether a click or a key does something here.
    bool WorksByClickOrKey() const { return OnClick || OnKeyDown; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool clickPending = false;
};

class TImage : public TControl {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent);
    ~TImage() override;
    void setPicture(const QPixmap& picture);
    // A picture of the program's resources, read when it is first needed:
    // a window that is never shown never decodes its skin.
    void setPicturePath(const char* path);
    const QPixmap& Picture() const;

    // A bitmap of its own to draw into, shown in place of the picture.
    void setBitmapSize(int width, int height);
    QImage& Bitmap() { return bitmap; }
    // Paints at once, not at the next idle paint.
    void Repaint() { repaint(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    mutable QPixmap picture;
    mutable std::string picturePath; // until the picture is read
    QImage bitmap;
};

enum class TAlignment { taLeftJustify, taCenter, taRightJustify };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TControl {
    Q_OBJECT
public:
    using TControl::TControl;
    std::string Caption() const { return caption; }
    void setCaption(const std::string& text);
    // The background; clNone draws none.
    TColor Color() const { return color; }
    void setColor(TColor value);
    void setAlignment(TAlignment value) {
        alignment = value;
        update();
    }
    void setLayout(TTextLayout value) {
        layout = value;
        update();
    }
    void setWordWrap(bool value) {
        wordWrap = value;
        update();
    }
    // Shows a word in place of the caption for a moment (a code's
    // "Copied"); the caption itself stays as it is.
    void flash(const std::string& text, int milliseconds);
    // What is drawn now: the word flashed, else the caption.
    QString ShownText() const { return toQString(flashText.empty() ? caption : flashText); }
    bool WordWrap() const { return wordWrap; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::string caption;
    std::string flashText;
    int flashes = 0;
    bool wordWrap = false;
    TColor color = clNone;
    TAlignment alignment = TAlignment::taLeftJustify;
    TTextLayout layout = TTextLayout::tlTop;
};

class TPanel : public TControl {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent);
    TColor Color() const { return color; }
    void setColor(TColor value);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TColor color = BlankColor;
};

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

    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    QValidator* oneLine;
    bool autoSelect = true;
    std::string shown;
};

// A picture of the program's resources. On a scaled screen the drawing made
// for twice the size ("name@2x.png") is taken where there is one, so the
// windows stay sharp.
QPixmap LoadPicture(const char* path);
// A PNG of the program's resources, read without asking the image plugins
// which format it is in: the first such question loads every one of them.
QImage ReadPng(const QString& path);

// An icon object; owns the image behind its handle.
// Reads an icon file (relative to the current directory), the size nearest
// `size` of those it holds, scaled to it; nothing when it is missing or
// unreadable.
std::optional<QIcon> LoadIconFile(const char* name, int size);

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;
    const QIcon& Icon() const { return icon; }
    void setIcon(const QIcon& value) { icon = value; }

private:
    QIcon icon;
};

// The clipboard's text, as plain text.
struct TClipboard {
    void setAsText(const std::string& text);
};
TClipboard Clipboard();

// The screen: its size and the application's cursor table by number.
class TScreen {
public:
    int Width() const;
    int Height() const;
    void setCursor(int number, const QCursor& cursor);
    QCursor Cursor(int number) const;
};
TScreen* Screen();
