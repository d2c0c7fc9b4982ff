#include "platform/forms/TextFit.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {
// Below this, letters of the forms' face blur into each other at scale 1.
constexpr int LeastPixels = 8;
// Narrower than this, a glyph stops looking like its letter.
constexpr int LeastStretch = 40;

qreal advance(const QFont& font, const QString& text, const QPaintDevice* device) {
    return device ? QFontMetricsF(font, device).horizontalAdvance(text)
                  : QFontMetricsF(font).horizontalAdvance(text);
}
} // namespace

QFont fittingFont(const QFont& font, const QString& text, qreal width, const QPaintDevice* device) {
    QFont fitted = font;
    if (text.isEmpty() || advance(fitted, text, device) <= width) return fitted;
    const int from = font.pixelSize() > 0 ? font.pixelSize() : LeastPixels;
    for (int pixels = from - 1; pixels >= LeastPixels; --pixels) {
        fitted.setPixelSize(pixels);
        if (advance(fitted, text, device) <= width) return fitted;
    }
    fitted.setPixelSize(std::min(from, LeastPixels));
    // The face drawn narrower (the font engine condenses a face that has no
    // narrow cut of its own), a step at a time: widths do not scale exactly.
    const qreal full = advance(fitted, text, device);
    for (int stretch = std::min(99, int(100 * width / full) + 1); stretch >= LeastStretch;
         --stretch) {
        fitted.setStretch(stretch);
        if (advance(fitted, text, device) <= width) return fitted;
    }
    return fitted;
}
