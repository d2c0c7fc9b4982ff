#include "platform/DeviceContext.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

QImage BitmapDC::read(const QRect& rect) {
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    painter.drawImage(QPoint(0, 0), *bitmap, rect);
    return out;
}

BOOL StretchBlt(HDC dest, int dx, int dy, int dw, int dh, HDC src, int sx, int sy, int sw, int sh,
                DWORD rop) {
    if (!dest || !src || !dest->target() || rop != SRCCOPY || dw <= 0 || dh <= 0 || sw <= 0 ||
        sh <= 0)
        return 0;
    QImage source = src->read(QRect(sx, sy, sw, sh));
    if (source.isNull()) return 0;
    if (source.format() != QImage::Format_RGB32 && source.format() != QImage::Format_ARGB32)
        source = source.convertToFormat(QImage::Format_RGB32);
    QImage& target = *dest->target();
    // The destination columns that lie on the bitmap, and the source column
    // each one takes.
    const int firstX = std::max(0, -dx);
    const int lastX = std::min(dw, target.width() - dx);
    if (firstX >= lastX) return 1;
    std::vector<int> column(std::size_t(lastX - firstX));
    for (int x = firstX; x < lastX; ++x)
        column[std::size_t(x - firstX)] = x * sw / dw;
    // An enlargement repeats each source row: it is worked out once and
    // the rows after it are copies.
    const QRgb* previous = nullptr;
    int previousRow = -1;
    for (int y = std::max(0, -dy); y < std::min(dh, target.height() - dy); ++y) {
        const int row = y * sh / dh;
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(dy + y)) + dx + firstX;
        if (row == previousRow) {
            std::memcpy(to, previous, column.size() * sizeof(QRgb));
            continue;
        }
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        for (std::size_t i = 0; i < column.size(); ++i)
            to[i] = from[column[i]];
        previous = to;
        previousRow = row;
    }
    return 1;
}
