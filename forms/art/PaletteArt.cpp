// The colour palette window's artwork.

#include "ArtKit.h"

#include "core/colour/Conversions.h"
#include "core/slider/SlideBackground.h"

namespace art {

namespace {

// TColor values (0x00BBGGRR) the window's markers erase with, as colours.
QColor fromTColor(unsigned value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Behind the saturation and luminance marker strips: light at the top,
// darker at the bottom.
void stripRail(QPainter& p, QRect r) {
    QLinearGradient g(QPointF(0, r.top()), QPointF(0, r.bottom() + 1));
    g.setColorAt(0, fromTColor(0xF5F3F3));
    g.setColorAt(1, fromTColor(0xE2DDDD));
    p.fillRect(r, g);
}

// A white value field sunk into the body.
void fieldWell(QPainter& p, QRect r) {
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawRoundedRect(QRectF(r).adjusted(-1.5, -1.5, 1.5, 1.5), 2, 2);
    p.fillRect(r, Qt::white);
}

void letter(QPainter& p, QRect r, const QString& text, int pixels) {
    QFont f("Liberation Sans");
    f.setPixelSize(pixels);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xB9, 0xB4, 0xAA));
    p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, text);
}

void drawSkin() {
    save(canvas(186, 104,
                [](QPainter& p) {
                    skinBase(p, 186, 104, 12, barTitle("Color Palette"), QRect(6, 0, 156, 12), 8);
                    // The rails of the three marker strips around the image.
                    p.fillRect(QRect(5, 12, 162, 4), fromTColor(0xF6F5F5));
                    stripRail(p, QRect(1, 16, 4, 42));
                    stripRail(p, QRect(180, 16, 4, 42));
                    p.fillRect(QRect(1, 12, 4, 4), fromTColor(0xF6F5F5));
                    // Frames of the image, the luminance strip and the swatch.
                    p.setPen(edge);
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(QRectF(5.5, 16.5, 161, 41));
                    p.drawRect(QRectF(171.5, 16.5, 8, 41));
                    slotWell(p, QRect(6, 63, 35, 35));
                    // The code and the six numbers, each with its sign.
                    fieldWell(p, QRect(59, 74, 43, 13));
                    letter(p, QRect(46, 73, 11, 15), "#", 11);
                    const char* names[2][3] = {{"H", "S", "L"}, {"R", "G", "B"}};
                    for (int column = 0; column < 2; ++column)
                        for (int i = 0; i < 3; ++i) {
                            const int x = column == 0 ? 122 : 161;
                            const int y = 61 + i * 14;
                            fieldWell(p, QRect(x, y, 20, 11));
                            letter(p, QRect(x - 11, y - 1, 8, 13), names[column][i], 9);
                        }
                    p.setPen(accent);
                    p.drawLine(QPointF(0, 11.5), QPointF(166, 11.5));
                    frame(p, 186, 104);
                }),
         "palette/skin.png");
}

// The button that opens the suggested schemes: a light bulb on the bar.
void drawSchemesButton() {
    save(canvas(20, 17,
                [](QPainter& p) {
                    p.fillRect(0, 0, 20, 17, bar);
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0xFF, 0xD8, 0x6B));
                    p.drawEllipse(QPointF(10, 6.5), 4.2, 4.2);
                    p.drawRect(QRectF(8, 9, 4, 2.5));
                    p.setBrush(QColor(0xB9, 0xB4, 0xAA));
                    p.drawRoundedRect(QRectF(7.8, 11.4, 4.4, 2.6), 0.8, 0.8);
                    p.setBrush(accent);
                    p.drawRect(QRectF(8.6, 14, 2.8, 1));
                    p.setPen(QPen(QColor(0xFF, 0xF3, 0xC4), 1));
                    p.drawArc(QRectF(7.6, 4, 3.5, 3.5), 90 * 16, 90 * 16);
                }),
         "palette/schemes.png");
}

// Hue across, saturation down, at a lightness of 58 percent: the top row is
// the grey 147, 147, 147.
void drawHueSaturation() {
    QImage image(160 * scale, 40 * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = HslToColor(58, float(y) / scale * 2.5f, float(x) / scale * 2.25f);
            image.setPixel(x, y, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
        }
    save(image, "palette/huesat.png");
}

} // namespace

// A light frame with the title in dark red around the dark well the scroll
// box of schemes sits in.
void drawSchemes() {
    save(canvas(144, 62,
                [](QPainter& p) {
                    QLinearGradient g(QPointF(0, 0), QPointF(0, 62));
                    g.setColorAt(0, plate);
                    g.setColorAt(1, QColor(0xD9, 0xD4, 0xCB));
                    p.fillRect(QRect(0, 0, 144, 62), g);
                    QFont f("Liberation Sans");
                    f.setPixelSize(9);
                    f.setBold(true);
                    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
                    p.setFont(f);
                    p.setPen(QColor(0x8E, 0x1B, 0x24));
                    const QString title =
                        QCoreApplication::translate("Forms", "Suggested Color Schemes");
                    checkTitleFits(f, title, 132);
                    p.drawText(QRect(6, 2, 132, 13), Qt::AlignCenter, title);
                    p.setPen(accent);
                    p.drawLine(QPointF(6, 15.5), QPointF(138, 15.5));
                    p.fillRect(QRect(5, 16, 134, 41), edge);
                    p.fillRect(QRect(6, 17, 132, 39), body);
                    p.setPen(QColor(0xA8, 0xA2, 0x97));
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(QRectF(0.5, 0.5, 143, 61));
                }),
         "schemes/skin.png");
}

// Light greys; behind the two marker strips, row by row, the very colours
// the slider erases its markers with.
void drawSlider() {
    save(canvas(38, 115,
                [](QPainter& p) {
                    QLinearGradient g(QPointF(0, 0), QPointF(0, 115));
                    g.setColorAt(0, QColor(0xF1, 0xEF, 0xEB));
                    g.setColorAt(1, QColor(0xDC, 0xD8, 0xD1));
                    p.fillRect(QRect(0, 0, 38, 115), g);
                    p.setRenderHint(QPainter::Antialiasing, false);
                    for (int row = 0; row <= 100; ++row) {
                        const QColor c = fromTColor(unsigned(slideBackground[std::size_t(row)]));
                        p.fillRect(QRect(2, 11 + row, 6, 1), c);
                        p.fillRect(QRect(29, 11 + row, 6, 1), c);
                    }
                    // Frames of the two gradients; on the right of the
                    // luminance one the marker strip begins at once.
                    p.fillRect(QRect(8, 10, 21, 1), edge);
                    p.fillRect(QRect(8, 112, 21, 1), edge);
                    p.fillRect(QRect(8, 10, 1, 103), edge);
                    p.fillRect(QRect(18, 10, 2, 103), edge);
                    // A grip of three dots at the top, the accent beneath it.
                    p.setRenderHint(QPainter::Antialiasing);
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0xA8, 0xA2, 0x97));
                    for (int i = 0; i < 3; ++i)
                        p.drawEllipse(QPointF(14.5 + i * 4.5, 4.5), 1.2, 1.2);
                    p.fillRect(QRectF(2, 8, 34, 1), accent);
                    p.setPen(QColor(0x8A, 0x84, 0x7A));
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(QRectF(0.5, 0.5, 37, 114));
                }),
         "slider/skin.png");
}

void drawPalette() {
    drawSkin();
    if (skinsOnly) return;
    drawSchemesButton();
    drawHueSaturation();
}

} // namespace art
