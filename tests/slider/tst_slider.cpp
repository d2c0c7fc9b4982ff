#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "core/slider/SlideBackground.h"
#include "palette/TfrmColorPalette.h"
#include "slider/TfrmMivoSlider.h"

#include <QAccessible>

// The pop-up slider: its gradients, its markers, and a drag that changes
// the working card's slot.
class TestSlider : public QObject, WindowSetFixture {
    Q_OBJECT

    static TfrmMivoSlider* s() { return frmMivoSlider; }
    // Slot n of the card filled with this colour, the slider aimed at it.
    static TPanel* aimAt(int n, TColor color) {
        TPanel* panels[] = {frmSwatchCard->pnlCardColor1, frmSwatchCard->pnlCardColor2,
                            frmSwatchCard->pnlCardColor3};
        TLabel* captions[] = {frmSwatchCard->lblCardCaption1, frmSwatchCard->lblCardCaption2,
                              frmSwatchCard->lblCardCaption3};
        panels[n - 1]->setColor(color);
        captions[n - 1]->setCaption(ColorToCode(color));
        captions[n - 1]->setColor(FilledCaptionColor);
        s()->targetPanel = panels[n - 1];
        s()->targetCaption = captions[n - 1];
        s()->pbxSatPalettePaint();
        s()->pbxLumPalettePaint();
        return panels[n - 1];
    }
    // A move over a strip; the pointer is where the event says.
    void drag(QWidget* strip, QPoint at, bool held = true) {
        desk().cursor = strip->mapToGlobal(at);
        QMouseEvent event(QEvent::MouseMove, at, strip->mapToGlobal(at), Qt::NoButton,
                          held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &event);
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        frmSwatchCard->Show();
    }
    void cleanup() { destroyWindows(); }

    // Before any other marker is drawn: the rows the last marker would have
    // had, 0 to 5, are painted over with the skin's colours.
    void theFirstMarkerPaintErasesRowsZeroToFive() {
        s()->sliderSat = 50;
        s()->pbxSatSlidePaint();
        TCanvas* strip = s()->pbxSatSlide->Canvas();
        for (int row = 0; row <= 5; ++row)
            for (int x = 1; x <= 5; ++x)
                QCOMPARE(strip->Pixel(x, row), slideBackground[row]);
        QCOMPARE(strip->Pixel(0, 0), clNone);
        QCOMPARE(strip->Pixel(4, 50), TColor(0x5F5050));
    }

    void theSkinIsTheTableRowByRow_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << ":/forms/slider/skin.png" << 1;
        QTest::newRow("2x") << ":/forms/slider/skin@2x.png" << 2;
    }
    void theSkinIsTheTableRowByRow() {
        QFETCH(QString, picture);
        QFETCH(int, scale);
        const QImage skin(picture);
        QCOMPARE(skin.size(), QSize(38, 115) * scale);
        for (int row = 0; row <= 100; ++row)
            for (int x : {2, 5, 7, 29, 31, 34})
                for (int dy = 0; dy < scale; ++dy) {
                    const QRgb rgb = skin.pixel(x * scale, (11 + row) * scale + dy);
                    QCOMPARE(RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb)), slideBackground[row]);
                }
    }

    void markersPointAtTheirGradients() {
        aimAt(1, RGBColor(200, 60, 60));
        s()->sliderSat = 40;
        s()->sliderLum = 70;
        s()->pbxSatSlidePaint();
        s()->pbxLumSlidePaint();
        TCanvas* sat = s()->pbxSatSlide->Canvas();
        TCanvas* lum = s()->pbxLumSlide->Canvas();
        const TColor body = 0x5F5050, upper = 0x9B9292, lower = 0xC3BEBE;
        // Saturation: the point at column 5, widening to the left.
        QCOMPARE(sat->Pixel(5, 40), upper); // the upper edge is drawn over the point
        QCOMPARE(sat->Pixel(5, 41), lower);
        QCOMPARE(sat->Pixel(3, 40), body);
        QCOMPARE(sat->Pixel(1, 36), upper);
        QCOMPARE(sat->Pixel(1, 44), body);
        QCOMPARE(sat->Pixel(1, 45), lower);
        QCOMPARE(sat->Pixel(0, 40), clNone);
        // Luminance: the mirror image.
        QCOMPARE(lum->Pixel(1, 70), upper);
        QCOMPARE(lum->Pixel(1, 71), lower);
        QCOMPARE(lum->Pixel(3, 70), body);
        QCOMPARE(lum->Pixel(5, 66), upper);
        QCOMPARE(lum->Pixel(5, 74), body);
        QCOMPARE(lum->Pixel(5, 75), lower);
        // Moved: the old place is the skin again.
        s()->sliderLum = 20;
        s()->pbxLumSlidePaint();
        QCOMPARE(lum->Pixel(3, 70), slideBackground[70]);
        QCOMPARE(lum->Pixel(5, 74), slideBackground[74]);
    }

    void gradients_data() {
        QTest::addColumn<TColor>("colour");
        QTest::newRow("pure grey") << RGBColor(128, 128, 128);
        QTest::newRow("saturated blue") << RGBColor(30, 60, 230);
    }
    void gradients() {
        QFETCH(TColor, colour);
        aimAt(2, colour);
        const Hsl hsl = ColorToHsl(RedOf(colour), GreenOf(colour), BlueOf(colour));
        QCOMPARE(s()->sliderHue, hsl.hue);
        for (int r : {0, 1, 50, 99}) {
            QCOMPARE(s()->pbxSatPalette->Canvas()->Pixel(4, r),
                     HslToColor(float(hsl.luminance), float(r), float(hsl.hue)));
            // Always at saturation 50.
            QCOMPARE(s()->pbxLumPalette->Canvas()->Pixel(8, r),
                     HslToColor(float(r), 50, float(hsl.hue)));
        }
        QCOMPARE(s()->pbxSatPalette->Canvas()->Pixel(4, 100), clNone); // the skin's row
    }

    // Each row: the strip, where the pointer goes, what the slot and its
    // caption become.
    void drags_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("code");
        const TColor c = RGBColor(51, 153, 255); // hue 210, saturation 100, luminance 60
        Q_UNUSED(c);
        QTest::newRow("saturation to the top: grey") << 1 << "sat" << QPoint(3, 0) << "999999";
        QTest::newRow("luminance to row 100: white") << 2 << "lum" << QPoint(3, 100) << "FFFFFF";
        QTest::newRow("luminance to row 0: black") << 3 << "lum" << QPoint(3, 0) << "000000";
        QTest::newRow("luminance held past the bottom") << 2 << "lum" << QPoint(3, 130) << "FFFFFF";
    }
    void drags() {
        QFETCH(int, slot);
        QFETCH(QString, strip);
        QFETCH(QPoint, at);
        QFETCH(QString, code);
        TPanel* panel = aimAt(slot, RGBColor(51, 153, 255));
        TLabel* captions[] = {frmSwatchCard->lblCardCaption1, frmSwatchCard->lblCardCaption2,
                              frmSwatchCard->lblCardCaption3};
        TPaintBox* box = strip == "sat" ? s()->pbxSatSlide : s()->pbxLumSlide;
        const bool inside = at.y() <= 100;
        drag(box, at);
        // The pointer is held on the strip, in screen coordinates.
        QCOMPARE(desk().clip,
                 std::optional<QRect>(QRect(box->mapToGlobal(QPoint(0, 0)), QSize(6, 101))));
        if (!inside) {
            // Past the strip's end: the value is kept at its end, nothing shown.
            QCOMPARE(captions[slot - 1]->Caption(), std::string("3399FF"));
            drag(box, QPoint(3, 100));
        }
        QCOMPARE(QString::fromStdString(captions[slot - 1]->Caption()), code);
        QCOMPARE(QString::fromStdString(ColorToCode(panel->Color())), code);
        QCOMPARE(captions[slot - 1]->Color(), FilledCaptionColor);
        QTest::mouseRelease(box, Qt::LeftButton, {}, at);
        QVERIFY(!desk().clip);
    }

    void movesWithoutTheButtonChangeNothing() {
        TPanel* panel = aimAt(1, RGBColor(51, 153, 255));
        drag(s()->pbxLumSlide, QPoint(3, 90), false);
        QCOMPARE(panel->Color(), RGBColor(51, 153, 255));
        QVERIFY(!desk().clip);
    }

    // A luminance drag leaves the saturation gradient as it was painted.
    void theSaturationGradientStaysStale() {
        aimAt(1, RGBColor(51, 153, 255));
        s()->Show();
        QCoreApplication::processEvents();
        const TColor row30 = s()->pbxSatPalette->Canvas()->Pixel(4, 30);
        drag(s()->pbxLumSlide, QPoint(3, 20));
        QCoreApplication::processEvents();
        QCOMPARE(s()->pbxSatPalette->Canvas()->Pixel(4, 30), row30);
    }

    void hidingFreesThePointer() {
        aimAt(1, RGBColor(51, 153, 255));
        s()->Show();
        drag(s()->pbxSatSlide, QPoint(3, 50));
        QVERIFY(desk().clip);
        s()->Hide();
        QVERIFY(!desk().clip);
    }

    // The keys move a marker as a drag to that row would: the slot's colour
    // and code follow, the other value stays; Escape puts the colour the
    // slot had back, Enter keeps the new one.
    void keysMoveTheMarkers_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("sat");
        QTest::addColumn<int>("lum");
        QTest::addColumn<bool>("kept");
        // 3399FF is saturation 100, luminance 60.
        QTest::newRow("up, lighter marker row") << "Up" << 100 << 59 << true;
        QTest::newRow("shift+down") << "Shift+Down" << 100 << 70 << true;
        QTest::newRow("page down, luminance focused") << "PgDown" << 100 << 70 << true;
        QTest::newRow("left twice") << "Left Left" << 98 << 60 << true;
        QTest::newRow("page up on the saturation strip") << "Left PgUp" << 89 << 60 << true;
        QTest::newRow("past the top") << "PgUp PgUp PgUp PgUp PgUp PgUp PgUp" << 100 << 0 << true;
        QTest::newRow("right at the end") << "Right" << 100 << 60 << true;
        // (The colour put back, the values are read from it again.)
        QTest::newRow("escape puts it back") << "Up Up Left Escape" << 100 << 60 << false;
        QTest::newRow("strips switched, each keeps its value")
            << "Down Down Down Left Left Up Left" << 97 << 62 << true;
    }
    void keysMoveTheMarkers() {
        QFETCH(QString, keys);
        QFETCH(int, sat);
        QFETCH(int, lum);
        QFETCH(bool, kept);
        const TColor before = RGBColor(51, 153, 255);
        TPanel* panel = aimAt(1, before);
        s()->Show();
        s()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s()));
        s()->beginAdjusting();
        for (const QString& step : keys.split(' ')) {
            const QKeySequence key(step);
            QTest::keyClick(s()->focusWidget() ? s()->focusWidget() : s(), Qt::Key(key[0].key()),
                            key[0].keyboardModifiers());
            // Painted between keys, as on a screen: a value never drifts
            // through the colour's rounding.
            s()->repaint();
        }
        QCOMPARE(s()->sliderSat, sat);
        QCOMPARE(s()->sliderLum, lum);
        const TColor expected =
            kept ? frmColorPalette->HslToColor(float(lum), float(sat), float(s()->sliderHue))
                 : before;
        QCOMPARE(panel->Color(), expected);
        QCOMPARE(frmSwatchCard->lblCardCaption1->Caption(), ColorToCode(expected));
        // Where the keys leave it, a screen reader reads the strips.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(s()->pbxLumSlide);
        QVERIFY(face->valueInterface());
        QCOMPARE(face->valueInterface()->currentValue().toInt(), lum);
        QCOMPARE(face->valueInterface()->maximumValue().toInt(), 100);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Luminance"));
    }

    // Enter and Escape hand the keys back to the slot the slider was for.
    void enterAndEscapeGoBackToTheSlot_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }
    void enterAndEscapeGoBackToTheSlot() {
        QFETCH(int, key);
        aimAt(2, RGBColor(51, 153, 255));
        s()->Show();
        s()->beginAdjusting();
        QTest::keyClick(s(), Qt::Key(key));
        QCOMPARE(frmSwatchCard->focusWidget(), frmSwatchCard->pnlCardColor2);
    }
};

HUEVELLA_TEST_MAIN(TestSlider)
#include "tst_slider.moc"
