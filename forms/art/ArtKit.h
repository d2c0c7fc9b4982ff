#pragma once

// What every drawing of the artwork shares: the colours, the scale it is
// drawn at, where it is saved, and the skin's common parts.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace art {

inline const QColor body(0x2B, 0x2F, 0x3A);
inline const QColor bodyLight(0x3B, 0x41, 0x50);
inline const QColor bar(0x20, 0x23, 0x2C);
inline const QColor edge(0x14, 0x16, 0x1C);
inline const QColor accent(0xF2, 0xA5, 0x3C);
inline const QColor ink(0xE8, 0xE6, 0xE1);
inline const QColor dim(0x6C, 0x72, 0x80);
inline const QColor plate(0xEE, 0xEB, 0xE4);
inline const QColor blank(0x50, 0x50, 0x5F);

inline QString outDir;
// Drawing the skins of one language: the windows' names in their bars are
// that language's, and nothing else is drawn again.
inline bool skinsOnly = false;
// Set when a name does not fit its bar: the artwork is not to be kept.
inline bool titleTooLong = false;

// Notes a name wider than the room its bar has for it (a pixel to spare).
inline void checkTitleFits(const QFont& font, const QString& title, qreal room) {
    if (QFontMetricsF(font).horizontalAdvance(title) <= room - 2) return;
    std::fprintf(stderr, "artgen: \"%s\" is too long for its bar\n", qPrintable(title));
    titleTooLong = true;
}

// A window's name as its bar shows it, in the language being drawn.
inline QString barTitle(const char* caption) {
    return QCoreApplication::translate("Forms", caption).toUpper();
}
// Everything is drawn in the windows' own units; at 2 the same drawing is
// made at twice the size for scaled screens and saved as "name@2x.png".
inline int scale = 1;

inline QString scaledName(QString name) {
    if (scale > 1) name.insert(name.lastIndexOf('.'), QString("@%1x").arg(scale));
    return name;
}

// A clear image of w x h units, its painter drawing in units.
inline QImage clearImage(int w, int h) {
    QImage image(w * scale, h * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

inline void save(const QImage& image, const QString& name) {
    const QString path = outDir + "/" + scaledName(name);
    QDir().mkpath(QFileInfo(path).path());
    QImage out = name.endsWith(".ico") ? image : image.convertToFormat(QImage::Format_RGB888);
    if (!out.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

inline QImage canvas(int w, int h, std::function<void(QPainter&)> draw, bool alpha = false) {
    QImage image(w * scale, h * scale, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(alpha ? Qt::transparent : body);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

inline void bodyFill(QPainter& p, QRect r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, bodyLight);
    g.setColorAt(1, body);
    p.fillRect(r, g);
}

inline void frame(QPainter& p, int w, int h) {
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

inline void slotWell(QPainter& p, QRect r) {
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawRoundedRect(QRectF(r).adjusted(-1.5, -1.5, 1.5, 1.5), 2, 2);
}

// A button face on the top bar: the glyph drawn by `glyph` on the bar colour.
inline QImage barButton(int w, int h, bool lit, std::function<void(QPainter&, QColor)> glyph) {
    return canvas(w, h, [&](QPainter& p) {
        p.fillRect(0, 0, w, h, bar);
        p.setPen(QColor(0x30, 0x34, 0x40));
        p.drawLine(QPointF(w - 0.5, 3), QPointF(w - 0.5, h - 4));
        glyph(p, lit ? ink : dim);
        // The bar's accent line runs on under the buttons.
        p.setPen(accent);
        p.drawLine(QPointF(0, h - 0.5), QPointF(w, h - 0.5));
    });
}

inline void penOf(QPainter& p, QColor c, double width = 1.6) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// A skin's body and its top bar with the window's name in the bar.
inline void skinBase(QPainter& p, int w, int h, int barHeight, const QString& title,
                     QRect titleRect, int titlePixels) {
    bodyFill(p, QRect(0, 0, w, h));
    p.fillRect(0, 0, w, barHeight, bar);
    QFont f("Liberation Sans");
    f.setPixelSize(titlePixels);
    f.setBold(true);
    constexpr qreal spacing = 1.2;
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    p.setFont(f);
    p.setPen(QColor(0xB9, 0xB4, 0xAA));
    // Between the bar's buttons.
    checkTitleFits(f, title, titleRect.width());
    // The spacing follows the last letter too: without it counted, the
    // title would stand half a space left of the middle.
    p.drawText(QRectF(titleRect).translated(spacing / 2, 0), Qt::AlignCenter, title);
}

// The accent under the top bar, drawn last so nothing covers it.
inline void accentLine(QPainter& p, int w, int barHeight) {
    p.setPen(accent);
    p.drawLine(QPointF(0, barHeight - 0.5), QPointF(w, barHeight - 0.5));
}

// The palette window's skin, its light-bulb button and its hue/saturation
// image.
void drawPalette();
// The suggested schemes' skin.
void drawSchemes();
// The pop-up slider's skin.
void drawSlider();

} // namespace art
