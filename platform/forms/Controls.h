#pragma once

#include "core/colour/TColor.h"
#include "platform/forms/QtCrossing.h"

#include <QImage>
#include <QPixmap>
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

// The framework's shift state of Qt's modifiers and buttons.
TShiftState shiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0x000000;

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
    // The font it is drawn in now.
    QFont ShownFont() const;
    bool WordWrap() const { return wordWrap; }
    // A single line too wide is drawn smaller, then narrower, never cut.
    void setShrinkToFit(bool value) {
        shrinkToFit = value;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::string caption;
    std::string flashText;
    int flashes = 0;
    bool wordWrap = false;
    bool shrinkToFit = false;
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
