#include "platform/DeviceContext.h"

#include "platform/Desktop.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

COLORREF colorRefOf(QRgb rgb) {
    return COLORREF(qRed(rgb)) | COLORREF(qGreen(rgb)) << 8 | COLORREF(qBlue(rgb)) << 16;
}

// The whole screen. Reads go through one grab where they can: a pixel read
// takes a block around the pixel, so the magnifier's rectangle next to it
// comes from the same grab.
class ScreenDC : public DeviceContext {
public:
    QImage read(const QRect& rect) override {
        if (cached.contains(rect)) return cache.copy(rect.translated(-cached.topLeft()));
        return desktop().grabScreen(rect).value_or(QImage());
    }
    COLORREF pixel(int x, int y) override {
        if (!cached.contains(x, y)) {
            const QRect around(x - ReadAhead, y - ReadAhead, 2 * ReadAhead, 2 * ReadAhead);
            std::optional<QImage> read = desktop().grabScreen(around);
            if (!read) return CLR_INVALID;
            cached = around;
            cache = *std::move(read);
        }
        return colorRefOf(cache.pixel(x - cached.x(), y - cached.y()));
    }

private:
    static constexpr int ReadAhead = 16;
    QRect cached;
    QImage cache;
};

} // namespace

COLORREF DeviceContext::pixel(int x, int y) {
    const QImage one = read(QRect(x, y, 1, 1));
    return one.isNull() ? CLR_INVALID : colorRefOf(one.pixel(0, 0));
}

QImage BitmapDC::read(const QRect& rect) {
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter painter(&out);
    painter.drawImage(QPoint(0, 0), *bitmap, rect);
    return out;
}

HDC GetDC(HWND hWnd) {
    return hWnd ? nullptr : new ScreenDC();
}

int ReleaseDC(HWND, HDC hdc) {
    delete hdc;
    return 1;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    return hdc ? hdc->pixel(x, y) : CLR_INVALID;
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
