#include "picker/Enlarge.h"

#include <algorithm>
#include <cstring>
#include <vector>

void enlargeInto(QImage& target, const QImage& picture, const Magnification& m) {
    const int dw = target.width();
    const int dh = target.height();
    const int sw = picture.width();
    const int sh = picture.height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const QImage source =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    std::vector<int> column(static_cast<std::size_t>(dw));
    const QPoint lead = m.lead();
    const int zoom = std::max(1, m.zoom);
    for (int x = 0; x < dw; ++x)
        column[std::size_t(x)] = std::min(sw - 1, (x + lead.x()) / zoom);
    // An enlargement repeats each source row: it is worked out once and
    // the rows after it are copies.
    const QRgb* previous = nullptr;
    int previousRow = -1;
    for (int y = 0; y < dh; ++y) {
        const int row = std::min(sh - 1, (y + lead.y()) / zoom);
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y));
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
}
