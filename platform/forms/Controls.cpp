#include "platform/forms/Controls.h"

#include "platform/forms/Accessible.h"
#include "platform/forms/Application.h"
#include "platform/forms/Pictures.h"
#include "platform/forms/Screen.h"
#include "platform/forms/TextFit.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

TShiftState shiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ssShift;
    if (modifiers & Qt::AltModifier) shift |= ssAlt;
    if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
    if (buttons & Qt::LeftButton) shift |= ssLeft;
    if (buttons & Qt::RightButton) shift |= ssRight;
    if (buttons & Qt::MiddleButton) shift |= ssMiddle;
    return shift;
}

namespace {

bool buttonOf(Qt::MouseButton button, TMouseButton& out) {
    switch (button) {
    case Qt::LeftButton: out = TMouseButton::mbLeft; return true;
    case Qt::RightButton: out = TMouseButton::mbRight; return true;
    case Qt::MiddleButton: out = TMouseButton::mbMiddle; return true;
    default: return false;
    }
}

} // namespace

TControl::TControl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

TPanel::TPanel(QWidget* parent) : TControl(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TControl::setCursorNumber(int number) {
    setCursor(Screen()->Cursor(number));
}

void TControl::mousePressEvent(QMouseEvent* event) {
    TMouseButton button;
    if (!buttonOf(event->button(), button)) return;
    // The second press of a double click arms no click: a quick double
    // click on a button is one click, as on the framework's controls.
    const bool second = event->type() == QEvent::MouseButtonDblClick;
    if (button == TMouseButton::mbLeft) clickPending = !second;
    const QPoint p = event->position().toPoint();
    TShiftState shift = shiftOf(event->modifiers(), event->buttons());
    if (second) shift |= ssDouble;
    if (OnMouseDown) safeCall([&] { OnMouseDown(button, shift, p.x(), p.y()); });
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseMove)
        safeCall([&] { OnMouseMove(shiftOf(event->modifiers(), event->buttons()), p.x(), p.y()); });
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
    TMouseButton button;
    if (!buttonOf(event->button(), button)) return;
    const QPoint p = event->position().toPoint();
    if (OnMouseUp)
        safeCall([&] {
            OnMouseUp(button, shiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
        });
    const bool click = button == TMouseButton::mbLeft && clickPending && rect().contains(p);
    if (button == TMouseButton::mbLeft) clickPending = false;
    if (click && OnClick) safeCall(OnClick);
}

void TImage::setPicture(const QPixmap& value) {
    picture = value;
    picturePath.clear();
    update();
}

void TImage::setPicturePath(const char* path) {
    picture = QPixmap();
    picturePath = path;
    update();
}

const QPixmap& TImage::Picture() const {
    if (!picturePath.empty()) {
        picture = LoadPicture(picturePath.c_str());
        picturePath.clear();
    }
    return picture;
}

TImage::TImage(QWidget* parent) : TControl(parent) {}
TImage::~TImage() = default;

void TImage::setBitmapSize(int width, int height) {
    if (bitmap.size() == QSize(width, height)) return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    bitmap = resized;
    // A bitmap that covers the control hides what lies beneath: nothing
    // under it need be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent, width >= this->width() && height >= this->height());
}

void TImage::paintEvent(QPaintEvent* event) {
    // Only what is to be repainted: a skin under a small control that
    // changed is not drawn whole again.
    QPainter painter(this);
    const QRect area = event->rect();
    if (!bitmap.isNull()) {
        painter.drawImage(area.topLeft(), bitmap, area);
        return;
    }
    const QPixmap& picture = Picture();
    const qreal ratio = picture.devicePixelRatio();
    painter.drawPixmap(
        area.topLeft(), picture,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void TLabel::setCaption(const std::string& text) {
    if (text == caption) return;
    caption = text;
    update();
    announceNameChange(this);
}

void TLabel::flash(const std::string& text, int milliseconds) {
    flashText = text;
    const int flash = ++flashes;
    update();
    QTimer::singleShot(milliseconds, this, [this, flash] {
        if (flash != flashes) return; // a later one holds the place
        flashText.clear();
        update();
    });
}

void TLabel::setColor(TColor value) {
    if (value == color) return;
    color = value;
    setAttribute(Qt::WA_OpaquePaintEvent, color != clNone);
    update();
}

QFont TLabel::ShownFont() const {
    // A pixel clear of either edge: a word that touches them reads as cut.
    return shrinkToFit && !wordWrap ? fittingFont(font(), ShownText(), width() - 2, this) : font();
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (color != clNone) painter.fillRect(rect(), toQColor(color));
    int flags = wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    flags |= alignment == TAlignment::taCenter         ? Qt::AlignHCenter
             : alignment == TAlignment::taRightJustify ? Qt::AlignRight
                                                       : Qt::AlignLeft;
    flags |= layout == TTextLayout::tlCenter   ? Qt::AlignVCenter
             : layout == TTextLayout::tlBottom ? Qt::AlignBottom
                                               : Qt::AlignTop;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(ShownFont());
    painter.drawText(rect(), flags, ShownText());
}

void TPanel::setColor(TColor value) {
    if (value == color) return;
    color = value;
    update();
    announceNameChange(this);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(color));
}
