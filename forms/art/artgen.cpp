// Draws the windows' skins, buttons and icon into forms/images. Run by the
// `artwork` target; the images it writes are kept in the source tree.

#include "ArtKit.h"

#include <QFile>
#include <QGuiApplication>
#include <QTranslator>

namespace {

using namespace art;

void drawEyedropper(QPainter& p, QColor c) {
    penOf(p, c, 1.5);
    p.drawLine(QPointF(9, 16), QPointF(17, 8));
    p.setBrush(c);
    p.drawEllipse(QPointF(18.5, 6.5), 2.6, 2.6);
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(8.5, 16.5), 1.6, 1.6);
}

void drawCards(QPainter& p, QColor c) {
    penOf(p, c, 1.2);
    p.drawRoundedRect(QRectF(8.5, 5.5, 11, 8), 1.2, 1.2);
    p.setBrush(accent);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(9.5, 9.5, 3, 3));
    p.setBrush(QColor(0x4F, 0xB3, 0xBF));
    p.drawRect(QRectF(12.5, 9.5, 3, 3));
    p.setBrush(QColor(0xC9, 0x4F, 0x6D));
    p.drawRect(QRectF(15.5, 9.5, 3, 3));
    penOf(p, c, 1.2);
    p.drawLine(QPointF(9, 16.5), QPointF(19, 16.5));
}

void drawCollapse(QPainter& p, QColor c) {
    penOf(p, c, 1.7);
    p.drawPolyline(QPolygonF({{9, 13}, {14, 8}, {19, 13}}));
    p.drawLine(QPointF(9, 16.5), QPointF(19, 16.5));
}

void drawMenu(QPainter& p, QColor c) {
    penOf(p, c, 1.7);
    for (double y : {6.5, 10.5, 14.5})
        p.drawLine(QPointF(9, y), QPointF(19, y));
}

void drawPaletteGlyph(QPainter& p, QColor) {
    const QPointF centre(14, 10.5);
    for (int i = 0; i < 12; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(i * 30, 200, 240));
        p.drawPie(QRectF(centre.x() - 6.5, centre.y() - 6.5, 13, 13), i * 30 * 16, 30 * 16);
    }
    p.setBrush(bar);
    p.drawEllipse(centre, 2.4, 2.4);
}

// A small button on a companion's top bar (the card's clear and add).
QImage barSmallButton(bool lit, std::function<void(QPainter&, QColor)> glyph) {
    return canvas(23, 17, [&](QPainter& p) {
        p.fillRect(0, 0, 23, 17, bar);
        p.setPen(Qt::NoPen);
        p.setBrush(lit ? QColor(0x48, 0x4F, 0x61) : QColor(0x2C, 0x30, 0x3A));
        p.drawRoundedRect(QRectF(1.5, 1.5, 20, 13), 3, 3);
        glyph(p, lit ? ink : dim);
        p.setPen(accent);
        p.drawLine(QPointF(0, 16.5), QPointF(23, 16.5));
    });
}

QImage smallButton(bool lit, std::function<void(QPainter&, QColor)> glyph) {
    return canvas(23, 17, [&](QPainter& p) {
        bodyFill(p, QRect(0, 0, 23, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(lit ? QColor(0x48, 0x4F, 0x61) : QColor(0x33, 0x37, 0x43));
        p.drawRoundedRect(QRectF(1.5, 2.5, 20, 13.5), 3, 3);
        glyph(p, lit ? ink : dim);
        p.setPen(accent);
        p.drawLine(QPointF(0, 0.5), QPointF(23, 0.5));
    });
}

void drawCross(QPainter& p, QColor c) {
    penOf(p, c, 1.6);
    p.drawLine(QPointF(8.5, 5.5), QPointF(14.5, 11.5));
    p.drawLine(QPointF(14.5, 5.5), QPointF(8.5, 11.5));
}

void drawArrow(QPainter& p, QColor c, bool right) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const double x0 = right ? 9 : 14, x1 = right ? 14.5 : 8.5;
    p.drawPolygon(QPolygonF({{x0, 4.5}, {x1, 8.5}, {x0, 12.5}}));
}

void drawPlus(QPainter& p, QColor c) {
    penOf(p, c, 1.8);
    p.drawLine(QPointF(11.5, 4.5), QPointF(11.5, 12.5));
    p.drawLine(QPointF(7.5, 8.5), QPointF(15.5, 8.5));
}

void drawCardSkin() {
    save(canvas(186, 104,
                [](QPainter& p) {
                    skinBase(p, 186, 104, 17, barTitle("Swatch Card"), QRect(28, 0, 129, 16), 9);
                    for (int x : {6, 66, 126})
                        slotWell(p, QRect(x, 17, 54, 81));
                    accentLine(p, 186, 17);
                    frame(p, 186, 104);
                }),
         "card/skin.png");
    if (skinsOnly) return;
    save(barSmallButton(true, drawCross), "card/clear.png");
    save(barSmallButton(false, drawCross), "card/clear_disabled.png");
    save(barSmallButton(true, drawPlus), "card/add.png");
    save(barSmallButton(false, drawPlus), "card/add_disabled.png");
}

// A 32 x 32 cursor image drawn without smoothing, two colours on clear.
void saveCursor(const QString& name, const std::function<void(QPainter&)>& draw) {
    QImage image = clearImage(32, 32);
    QPainter p(&image);
    p.scale(scale, scale);
    draw(p);
    p.end();
    image.save(outDir + "/cursors/" + scaledName(name));
}

// The fill cursor: a tipped paint can pouring at its hot spot (0, 16). Two
// colours, no smoothing, as cursors are.
void drawFillCursor() {
    saveCursor("fill.png", [](QPainter& p) {
        // A bucket lying on its side, its mouth to the left.
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({{12, 8}, {28, 11}, {28, 21}, {12, 24}}));
        p.drawLine(12, 8, 12, 24);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRect(18, 4, 12, 24), 90 * 16, -180 * 16); // the handle
        // Paint running out of the mouth to the hot spot, and a drop below.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({{11, 12}, {11, 20}, {4, 18}, {0, 17}, {0, 15}, {4, 14}}));
        p.drawRect(3, 21, 2, 3);
    });
}

void drawPickerSkin() {
    save(canvas(186, 104,
                [](QPainter& p) {
                    skinBase(p, 186, 104, 17, barTitle("Screen Picker"), QRect(0, 0, 186, 16), 9);
                    slotWell(p, QRect(6, 17, 113, 81));
                    slotWell(p, QRect(126, 17, 54, 81));
                    accentLine(p, 186, 17);
                    frame(p, 186, 104);
                }),
         "picker/skin.png");
}

// The eyedropper drawn over the magnified view, its tip at (3, 37) laid on
// the pixel under the pointer; everything around it stays see-through. The
// rings round that pixel and the square averaged are drawn by the picker,
// which knows how large they are.
void drawPickerPipette() {
    QImage image = clearImage(40, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(QTransform::fromScale(scale, scale));
    p.translate(3, 37);
    p.rotate(-45);
    // Along +x from the tip: a fine point, then the glass tube, the collar
    // and the bulb.
    p.setPen(QPen(QColor(0x14, 0x16, 0x1C), 1.2));
    p.drawLine(QPointF(0.5, 0), QPointF(9, 0));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawPolygon(QPolygonF({{9, -1.5}, {22, -2.5}, {22, 2.5}, {9, 1.5}}));
    p.setBrush(QColor(0x3B, 0x41, 0x50));
    p.drawRect(QRectF(22, -3.5, 4, 7));
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(26, -4.5, 11, 9), 4, 4);
    p.end();
    image.save(outDir + "/" + scaledName("picker/pipette.png"));
}

// The eyedropper cursor: a pipette pointing left, its tip at the hot spot
// (0, 15). Two colours, no smoothing.
void drawEyedropperCursor() {
    saveCursor("eyedropper.png", [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({{0, 15}, {4, 13}, {16, 13}, {16, 17}, {4, 17}}));
        p.setBrush(Qt::white);
        p.drawRect(5, 14, 10, 2);
        p.setBrush(Qt::black);
        p.drawRect(16, 11, 4, 9);
        p.drawEllipse(QRect(20, 9, 11, 13));
        p.setBrush(Qt::white);
        p.drawEllipse(QRect(22, 11, 7, 9));
    });
}

void drawBookSkin() {
    save(canvas(186, 124,
                [](QPainter& p) {
                    skinBase(p, 186, 124, 21, "HUEVELLA", QRect(55, 0, 76, 21), 10);
                    accentLine(p, 186, 21);
                    p.setPen(Qt::NoPen);
                    p.setBrush(plate);
                    p.drawRoundedRect(QRectF(52, 22, 84, 13), 3, 3);
                    for (int x : {6, 66, 126})
                        slotWell(p, QRect(x, 37, 54, 81));
                    frame(p, 186, 124);
                }),
         "book/skin.png");
    save(barButton(28, 21, true, drawEyedropper), "book/eyedropper.png");
    save(barButton(28, 21, true, drawCards), "book/swatch.png");
    save(barButton(28, 21, true, drawCollapse), "book/collapse.png");
    save(barButton(28, 21, true, drawMenu), "book/menu.png");
    save(barButton(28, 21, true, drawPaletteGlyph), "book/palette.png");
    save(smallButton(true, drawCross), "book/clear.png");
    save(smallButton(false, drawCross), "book/clear_disabled.png");
    auto left = [](QPainter& p, QColor c) { drawArrow(p, c, false); };
    auto right = [](QPainter& p, QColor c) { drawArrow(p, c, true); };
    save(smallButton(true, left), "book/previous.png");
    save(smallButton(false, left), "book/previous_disabled.png");
    save(smallButton(true, right), "book/next.png");
    save(smallButton(false, right), "book/next_disabled.png");
}

// The program's icon, one design on a 64-unit square: a dark tile, three
// swatches and a name plate. Drawn as pixels and written as SVG from the
// same shapes.
struct IconShape {
    QRectF rect;
    qreal radius;
    QColor colour;
};
const IconShape iconShapes[] = {
    {QRectF(2, 2, 60, 60), 12, bar},
    {QRectF(9, 12, 14, 30), 3, accent},
    {QRectF(25, 12, 14, 30), 3, QColor(0x4F, 0xB3, 0xBF)},
    {QRectF(41, 12, 14, 30), 3, QColor(0xC9, 0x4F, 0x6D)},
    {QRectF(9, 46, 46, 7), 2, plate},
};

QImage appIcon(int size) {
    return canvas(
        size, size,
        [size](QPainter& p) {
            p.scale(size / 64.0, size / 64.0);
            p.setPen(Qt::NoPen);
            for (const IconShape& shape : iconShapes) {
                p.setBrush(shape.colour);
                p.drawRoundedRect(shape.rect, shape.radius, shape.radius);
            }
        },
        true);
}

void saveIconSvg(const QString& path) {
    QString svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                  "viewBox=\"0 0 64 64\">\n";
    for (const IconShape& s : iconShapes)
        svg += QString("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                       "fill=\"%6\"/>\n")
                   .arg(s.rect.x())
                   .arg(s.rect.y())
                   .arg(s.rect.width())
                   .arg(s.rect.height())
                   .arg(s.radius)
                   .arg(s.colour.name());
    svg += "</svg>\n";
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.toUtf8()) < 0)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// The icon theme's sizes, under the program's id.
void drawThemeIcons() {
    const QString id = "org.huevella.huevella";
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString("%1/icons/hicolor/%2x%2/apps").arg(outDir).arg(size);
        QDir().mkpath(dir);
        appIcon(size).save(dir + "/" + id + ".png");
    }
    saveIconSvg(outDir + "/icons/hicolor/scalable/apps/" + id + ".svg");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("forms/images");
    QDir().mkpath(outDir + "/cursors");
    for (scale = 1; scale <= 2; ++scale) {
        drawBookSkin();
        drawCardSkin();
        drawFillCursor();
        drawEyedropperCursor();
        drawPickerSkin();
        drawPickerPipette();
        drawPalette();
        drawSchemes();
        drawSlider();
    }
    scale = 1;
    appIcon(64).save(outDir + "/huevella.png");
    appIcon(32).save(outDir + "/Huevella.ico");
    drawThemeIcons();
    // The skins with a window's name in their bar, again in every language
    // translated (argv[2]: the folder of the program's translations), each
    // in a folder of its own that the program looks in first.
    if (argc > 2) {
        const QString base = outDir;
        const QDir translations(QString::fromLocal8Bit(argv[2]));
        for (const QString& file : translations.entryList({"huevella_*.qm"}, QDir::Files)) {
            QTranslator translator;
            if (!translator.load(translations.filePath(file))) return 1;
            QCoreApplication::installTranslator(&translator);
            outDir = base + "/" + file.mid(9).chopped(3);
            skinsOnly = true;
            for (scale = 1; scale <= 2; ++scale) {
                drawCardSkin();
                drawPickerSkin();
                drawPalette();
                drawSchemes();
            }
            QCoreApplication::removeTranslator(&translator);
        }
    }
    return titleTooLong ? 1 : 0;
}
