#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "palette/TfrmColorPalette.h"
#include "schemes/TfrmSuggestSchemes.h"

// The colour palette: the image, the strips and their markers, the swatch.
class TestPalette : public QObject, WindowSetFixture {
    Q_OBJECT

    static TfrmColorPalette* p() { return frmColorPalette; }
    // A mouse move over a control, the left button held or not; the pointer
    // is where the event says.
    void move(QWidget* control, QPoint at, bool held) {
        desk().cursor = control->mapToGlobal(at);
        QMouseEvent event(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                          held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }
    void click(QWidget* control, QPoint at) {
        desk().cursor = control->mapToGlobal(at);
        QTest::mouseClick(control, Qt::LeftButton, {}, at);
    }
    static QString edits() {
        QStringList out;
        for (TEdit* e : {p()->editHex, p()->editHue, p()->editSat, p()->editLum, p()->editRed,
                         p()->editGreen, p()->editBlue})
            out << QString::fromStdString(e->Text());
        return out.join(' ');
    }
    static QRect screenRect(QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        p()->Show();
    }
    void cleanup() {
        QCOMPARE(desk().unexpectedMessageBoxes, 0);
        destroyWindows();
    }

    void startsAt3FBFBF() {
        QCOMPARE(edits(), QString("3FBFBF 180 50 50 63 191 191"));
        QCOMPARE(p()->pnlSwatch->Color(), RGBColor(63, 191, 191));
        QCOMPARE(p()->hueMarkerX, 80);
        QCOMPARE(p()->satMarkerY, 20);
        QCOMPARE(p()->lumMarkerY, 20);
        QCOMPARE(p()->CPpbxHueSlider->Canvas()->Pixel(80, 3), BlankColor);
        QCOMPARE(p()->CPpbxSatSlider->Canvas()->Pixel(3, 20), BlankColor);
        QCOMPARE(p()->CPpbxLumSlider->Canvas()->Pixel(2, 20), BlankColor);
        QCOMPARE(p()->pos(), frmHuevella->pos() + QPoint(185, 20));
    }

    void imageClicks_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("sat");
        QTest::newRow("top left") << QPoint(0, 0) << 0 << 0;
        QTest::newRow("top right, grey") << QPoint(159, 0) << 357 << 0;
        QTest::newRow("column 80") << QPoint(80, 20) << 180 << 50;
        QTest::newRow("bottom right") << QPoint(159, 39) << 357 << 97;
        QTest::newRow("bottom left") << QPoint(0, 39) << 0 << 97;
    }
    void imageClicks() {
        QFETCH(QPoint, at);
        QFETCH(int, hue);
        QFETCH(int, sat);
        click(p()->CPimgPalette, at);
        QCOMPARE(p()->hue, hue);
        QCOMPARE(p()->sat, sat);
        QCOMPARE(p()->paletteColor, HslToColor(50, float(sat), float(hue)));
        QCOMPARE(p()->editHue->Text(), std::to_string(hue));
        QCOMPARE(p()->pnlSwatch->Color(), p()->paletteColor);
        if (sat == 0) QVERIFY(p()->red == p()->green && p()->green == p()->blue);
        // The luminance strip follows the hue.
        QCOMPARE(p()->CPpbxLumPalette->Canvas()->Pixel(3, 10), HslToColor(25, 50, float(hue)));
    }

    // Each mouse-move handler stores from the pointer, confines where it
    // should, and redisplays only inside its bounds.
    void moves_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("state"); // hue sat lum after the move
        QTest::addColumn<bool>("redisplayed");
        QTest::addColumn<bool>("confined");
        const auto row = [](const char* tag, const char* control, QPoint at, bool held,
                            const char* state, bool redisplayed, bool confined) {
            QTest::newRow(tag) << control << at << held << state << redisplayed << confined;
        };
        row("image", "CPimgPalette", {40, 30}, true, "90 75 50", true, false);
        row("image, no button", "CPimgPalette", {40, 30}, false, "180 50 50", false, false);
        row("image corner 160,40", "CPimgPalette", {160, 40}, true, "360 100 50", true, false);
        row("image, past its edge", "CPimgPalette", {175, 52}, true, "360 100 50", true, false);
        row("image, before its edge", "CPimgPalette", {-9, -3}, true, "0 0 50", true, false);
        row("hue strip", "CPpbxHueSlider", {40, 2}, true, "90 50 50", true, true);
        row("hue strip, past its end", "CPpbxHueSlider", {161, 2}, true, "360 50 50", true, true);
        row("hue strip, no button", "CPpbxHueSlider", {40, 2}, false, "180 50 50", false, false);
        row("saturation strip", "CPpbxSatSlider", {2, 10}, true, "180 25 50", true, true);
        row("saturation strip, below", "CPpbxSatSlider", {2, 41}, true, "180 100 50", true, true);
        row("luminance strip", "CPpbxLumPalette", {4, 30}, true, "180 50 75", true, false);
        row("luminance strip, above", "CPpbxLumPalette", {4, -6}, true, "180 50 0", true, false);
        row("luminance marker strip", "CPpbxLumSlider", {3, 8}, true, "180 50 20", true, true);
        row("luminance marker strip, below", "CPpbxLumSlider", {3, 60}, true, "180 50 100", true,
            true);
    }
    void moves() {
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        QFETCH(bool, held);
        QFETCH(QString, state);
        QFETCH(bool, redisplayed);
        QFETCH(bool, confined);
        auto* widget = p()->findChild<QWidget*>(control);
        desk().clipCalls.clear();
        move(widget, at, held);
        QCOMPARE(QString("%1 %2 %3").arg(p()->hue).arg(p()->sat).arg(p()->lum), state);
        const bool shown =
            QString::fromStdString(p()->editHue->Text() + " " + p()->editSat->Text() + " " +
                                   p()->editLum->Text()) == state;
        QCOMPARE(shown, redisplayed || state == "180 50 50");
        QCOMPARE(desk().clip.has_value(), confined);
        if (confined) QCOMPARE(*desk().clip, screenRect(widget));
        QVERIFY(p()->hue >= 0 && p()->hue <= 360 && p()->sat >= 0 && p()->sat <= 100);
        QVERIFY(p()->hueMarkerX >= 0 && p()->hueMarkerX <= 160);
        QVERIFY(p()->satMarkerY >= 0 && p()->satMarkerY <= 40);
        QVERIFY(p()->lumMarkerY >= 0 && p()->lumMarkerY <= 40);
        // The button comes up: the pointer is free.
        if (held) {
            QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
            QVERIFY(!desk().clip);
        }
    }

    // Dragged out past the image's edge and released: what is shown is what
    // is stored, so a later click on the luminance strip keeps the hue and
    // saturation the fields show.
    void dragPastTheEdgeShowsWhatItStores() {
        move(p()->CPimgPalette, {80, 20}, true);
        move(p()->CPimgPalette, {200, 50}, true);
        QCOMPARE(edits().section(' ', 1, 2), QString("360 100"));
        click(p()->CPpbxLumPalette, {4, 20});
        QCOMPARE(QString("%1 %2").arg(p()->hue).arg(p()->sat), QString("360 100"));
        QCOMPARE(edits().section(' ', 1, 2), QString("360 100"));
        QCOMPARE(p()->hueMarkerX, 160);
        QCOMPARE(p()->satMarkerY, 40);
    }

    // However a drag ends, the pointer is not left confined.
    void hidingFreesThePointer() {
        move(p()->CPpbxSatSlider, {2, 10}, true);
        QVERIFY(desk().clip);
        p()->Hide();
        QVERIFY(!desk().clip);
    }

    void markersMoveAndEraseTheirOldPlace() {
        move(p()->CPpbxHueSlider, {40, 2}, true);
        TCanvas* hue = p()->CPpbxHueSlider->Canvas();
        for (int x = 37; x <= 43; ++x)
            QCOMPARE(hue->Pixel(x, 1), BlankColor);
        QCOMPARE(hue->Pixel(40, 3), BlankColor);
        QCOMPARE(hue->Pixel(44, 1), clNone);
        // The old marker is painted over in the rail's colour.
        QCOMPARE(hue->Pixel(80, 3), TColor(0xF6F5F5));
        QCOMPARE(hue->Pixel(77, 1), TColor(0xF6F5F5));
        move(p()->CPpbxSatSlider, {2, 36}, true);
        TCanvas* sat = p()->CPpbxSatSlider->Canvas();
        QCOMPARE(sat->Pixel(1, 33), BlankColor); // the marker at row 36 (saturation 90)
        QCOMPARE(sat->Pixel(3, 36), BlankColor);
        QCOMPARE(sat->Pixel(1, 17), TColor(0xEDEAEA)); // row 20 erased, middle band
        move(p()->CPpbxLumSlider, {3, 5}, true);
        TCanvas* lum = p()->CPpbxLumSlider->Canvas();
        QCOMPARE(lum->Pixel(4, 2), BlankColor);
        QCOMPARE(lum->Pixel(2, 20), TColor(0xEDEAEA));
    }

    void luminanceStripRows() {
        p()->PaintLumPalette();
        TCanvas* strip = p()->CPpbxLumPalette->Canvas();
        for (int i : {0, 1, 20, 39})
            for (int x : {0, 7})
                QCOMPARE(strip->Pixel(x, i), HslToColor(float(i) * 2.5f, 50, 180));
        QCOMPARE(strip->Pixel(0, 0), clBlack);
    }

    void swatchHandsTheColourToTheCard() {
        click(p()->CPimgPalette, {80, 39});
        QVERIFY(!frmSwatchCard->Visible());
        QTest::mouseClick(p()->pnlSwatch, Qt::LeftButton);
        QVERIFY(frmSwatchCard->Visible());
        QCOMPARE(frmHuevella->pallet.GetColor(), p()->paletteColor);
        QCOMPARE(frmHuevella->pallet.GetCode(), p()->hexCode);
        move(p()->pnlSwatch, {5, 5}, false);
        QCOMPARE(p()->pnlSwatch->cursor().shape(), Qt::BitmapCursor);
    }

    void bulbShowsAndHidesTheSchemes() {
        QTest::mouseClick(p()->imgSuggestSchemes, Qt::LeftButton);
        QVERIFY(frmSuggestSchemes->Visible());
        QTest::mouseClick(p()->imgSuggestSchemes, Qt::LeftButton);
        QVERIFY(!frmSuggestSchemes->Visible());
    }

    void tabOrder() {
        QStringList chain;
        // What Tab visits: the focus chain's widgets that take Tab.
        QWidget* w = p()->editHex;
        while (chain.size() < 8) {
            if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(chain.join(' '), QString("editHex editHue editSat editLum editRed editGreen "
                                          "editBlue pnlSwatch"));
    }
};

HUEVELLA_TEST_MAIN(TestPalette)
#include "tst_palette.moc"
