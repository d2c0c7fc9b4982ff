#include "platform/forms/PaintBox.h"

#include "platform/forms/Application.h"

#include <QPainter>

#include <cstdlib>

namespace {
// While a paint handler runs, what it draws is shown by that paint; asking
// for another would have the two marker strips repaint each other forever.
int paintHandlersRunning = 0;
} // namespace

void TCanvas::resize(QSize size) {
    QImage next(size, QImage::Format_ARGB32_Premultiplied);
    next.fill(Qt::transparent);
    if (!pixels.isNull()) QPainter(&next).drawImage(0, 0, pixels);
    pixels = next;
}

TColor TCanvas::Pixel(int x, int y) const {
    if (!pixels.valid(x, y)) return clNone;
    const QRgb rgb = pixels.pixel(x, y);
    return qAlpha(rgb) == 0 ? clNone : fromQRgb(rgb);
}

void TCanvas::LineTo(int x, int y) {
    // A box not yet shown has had no resize event; it has its size.
    if (owner && pixels.size() != owner->size()) resize(owner->size());
    // Bresenham from the current point, stopping short of the end point.
    const QRgb rgb = toQRgb(pen);
    int cx = at.x(), cy = at.y();
    const int dx = std::abs(x - cx), dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
    int error = dx + dy;
    while (cx != x || cy != y) {
        if (pixels.valid(cx, cy)) pixels.setPixel(cx, cy, rgb);
        const int twice = 2 * error;
        if (twice >= dy) error += dy, cx += sx;
        if (twice <= dx) error += dx, cy += sy;
    }
    at = {x, y};
    if (owner && paintHandlersRunning == 0) owner->update();
}

TPaintBox::TPaintBox(QWidget* parent) : TControl(parent), canvas(this) {}

void TPaintBox::resizeEvent(QResizeEvent*) {
    canvas.resize(size());
}

void TPaintBox::paintEvent(QPaintEvent*) {
    ++paintHandlersRunning;
    if (OnPaint) safeCall(OnPaint);
    --paintHandlersRunning;
    QPainter(this).drawImage(0, 0, canvas.Pixels());
}
