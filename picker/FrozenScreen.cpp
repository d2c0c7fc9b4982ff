#include "picker/FrozenScreen.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

FrozenScreen::FrozenScreen(const QImage& picture, const QRect& area, QScreen* screen)
    // A managed window the compositor gives the keyboard to (an override-
    // redirect one gets none on sway or KWin), full screen and above.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture(picture) {
    setObjectName("frozenScreen");
    setWindowTitle(QCoreApplication::translate("FrozenScreen", "Huevella: pick a colour"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    // Its moves are the pick's, with no button held.
    setMouseTracking(true);
    const QRect g = screen->geometry();
    const qreal ratio = screen->devicePixelRatio();
    // Each screen keeps its origin among the device pixels and scales what
    // lies beyond it.
    source = QRect(g.topLeft() - area.topLeft(),
                   QSize(qRound(g.width() * ratio), qRound(g.height() * ratio)));
    setScreen(screen);
    setGeometry(g);
}

void FrozenScreen::setPicker(const QPixmap& look, QPoint place) {
    const QRect before = pickerRect();
    picker = look;
    pickerPlace = place;
    update(before | pickerRect());
}

QRect FrozenScreen::pickerRect() const {
    if (picker.isNull()) return {};
    return QRect(pickerPlace - geometry().topLeft(), picker.deviceIndependentSize().toSize());
}

void FrozenScreen::paintEvent(QPaintEvent* event) {
    // The picture's device pixels onto the window's, one to one where the
    // scales agree.
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QRectF(rect()), picture, QRectF(source));
    if (!picker.isNull()) painter.drawPixmap(pickerRect().topLeft(), picker);
}
