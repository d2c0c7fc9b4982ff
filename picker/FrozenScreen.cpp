#include "picker/FrozenScreen.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

FrozenScreen::FrozenScreen(const QImage& picture, const QRect&)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint),
      picture(picture) {
    setObjectName("frozenScreen");
    setWindowTitle(QCoreApplication::translate("FrozenScreen", "Huevella: pick a colour"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    // Its moves are the pick's, with no button held.
    setMouseTracking(true);
    // Every screen at once: the picture is of all of them.
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? screen->virtualGeometry() : QRect(0, 0, 640, 480));
}

void FrozenScreen::paintEvent(QPaintEvent*) {
    // The picture's device pixels onto the window's, one to one where the
    // scales agree.
    QPainter painter(this);
    painter.drawImage(rect(), picture);
}
