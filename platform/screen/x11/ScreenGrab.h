#pragma once

#include <QImage>
#include <QRect>

#include <optional>

class QScreen;
struct xcb_connection_t;

// The X server's connection and root window where its pixels can be read
// directly (24-bit true colour in 32-bit little-endian words, the layout of
// QImage::Format_RGB32); a null connection anywhere else.
struct DirectRoot {
    xcb_connection_t* connection = nullptr;
    unsigned root = 0;
};
DirectRoot directRoot();

// The screen's pixels, one per point, black where no screen is. On X11 a
// part that lies on one screen is read with a single request; anything else
// (a refused request, a screen this reader does not understand) goes through
// Qt's grab. Both give the same pixels. Nothing when neither can read it
// (a rootless Xwayland refuses both).
std::optional<QImage> grabScreenPoints(const QRect& rect);

// The two ways, apart, so they can be held against each other.
std::optional<QImage> grabScreenPointsWithQt(const QRect& rect);
// A rectangle inside one screen's geometry, read straight from the X
// server's root window; nothing when that cannot be done. `refused` is set
// when the server said no: Qt's grab asks the same way and, refused, gives
// black (a rootless Xwayland), so that is not tried then.
std::optional<QImage> readScreenDirect(const QScreen* screen, const QRect& part,
                                       bool* refused = nullptr);

// The screen's own pixels (device pixels) of a rectangle in device
// coordinates: on a scaled screen every one of them, not one a point.
std::optional<QImage> grabScreenDevicePixels(const QRect& native);
// The pointer on the X server's root window, in device pixels.
std::optional<QPoint> pointerOnRoot();
// Moves the pointer to a place on the root window (device pixels); false
// where the X server cannot be asked.
bool warpPointerOnRoot(QPoint native);
// A place in Qt's coordinates as device pixels: each screen keeps its origin
// and scales what lies beyond it.
QPoint toNative(QPointF logical);
// The whole desktop in device pixels (the X root window where there is one).
QRect nativeDesktopArea();

// A grab of a scaled screen holds several physical pixels per point; each
// point takes the one at its top-left corner.
QImage onePixelPerPoint(const QImage& grabbed, QSize points);
