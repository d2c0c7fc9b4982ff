#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// How the eyedropper's view shows the screen: each device pixel a block of
// zoom × zoom points, the pixel under the pointer in the middle, so that
// every step shows whole pixels and none is drawn wider than another.
struct Magnification {
    QSize view; // in points
    int zoom = 6;

    // The first point of the pointer's pixel's block.
    QPoint centre() const { return {view.width() / 2 - zoom / 2, view.height() / 2 - zoom / 2}; }
    // Pixels shown, whole or in part, left of and above the pointer's.
    QPoint before() const {
        const QPoint c = centre();
        return {(c.x() + zoom - 1) / zoom, (c.y() + zoom - 1) / zoom};
    }
    // The points of the first pixel's block cut away at the left and top.
    QPoint lead() const { return before() * zoom - centre(); }
    // The device pixels shown around `pointer`.
    QRect source(QPoint pointer) const {
        const QPoint c = centre();
        const QPoint b = before();
        return {pointer - b, QSize(b.x() + (view.width() - 1 - c.x()) / zoom + 1,
                                   b.y() + (view.height() - 1 - c.y()) / zoom + 1)};
    }
    // The points of a square of `pixels` device pixels around the pointer's.
    QRect square(int pixels) const {
        const int half = pixels / 2;
        return {centre() - QPoint(half, half) * zoom, QSize(pixels, pixels) * zoom};
    }
};

// The device pixels of a square `size` pixels wide centred on `pointer`.
inline QRect sampleSquare(QPoint pointer, int size) {
    return {pointer - QPoint(size / 2, size / 2), QSize(size, size)};
}
