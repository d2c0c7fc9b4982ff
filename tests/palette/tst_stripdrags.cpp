#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "palette/TfrmColorPalette.h"
#include "slider/TfrmMivoSlider.h"

#include <stdexcept>

// A strip that holds the pointer lets it go for anything the user must
// reach elsewhere, and at Escape, which also ends the drag where it stood.
class TestStripDrags : public QObject, WindowSetFixture {
    Q_OBJECT

    static TfrmColorPalette* p() { return frmColorPalette; }
    void move(QWidget* control, QPoint at, bool held = true) {
        desk().cursor = control->mapToGlobal(at);
        QMouseEvent event(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton,
                          held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &event);
    }
    static QString hsl() { return QString("%1 %2 %3").arg(p()->hue).arg(p()->sat).arg(p()->lum); }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        p()->Show();
    }
    void cleanup() {
        desk().unexpectedFileDialogs = 0;
        destroyWindows();
    }

    // Whatever must be answered while a strip holds the pointer (a
    // conversion error from a late key-up, a question, a file dialog, the
    // menu) comes with the pointer free: it may open out of the strip's reach.
    void interruptionsFreeThePointer_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("exception box") << 0;
        QTest::newRow("message box") << 1;
        QTest::newRow("file dialog") << 2;
        QTest::newRow("main menu") << 3;
    }
    void interruptionsFreeThePointer() {
        QFETCH(int, kind);
        move(p()->CPpbxHueSlider, {40, 2});
        QVERIFY(desk().clip);
        switch (kind) {
        case 0:
            Application->ShowException(std::runtime_error("'x' is not a valid integer value"));
            break;
        case 1:
            Application->MessageBox("Save changes to huevella?", "Huevella",
                                    MessageButtons::YesNoCancel);
            break;
        case 2: frmHuevella->mnuOpenClick(); break;
        case 3: frmHuevella->imgMenuClick(); break;
        }
        QCOMPARE(desk().confinedWhenShown, std::vector<bool>{false});
        QVERIFY(!desk().clip);
    }

    void escapeEndsAPaletteDrag_data() {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("later");
        QTest::newRow("hue") << "CPpbxHueSlider" << QPoint(40, 2) << QPoint(120, 2);
        QTest::newRow("saturation") << "CPpbxSatSlider" << QPoint(2, 10) << QPoint(2, 30);
        QTest::newRow("luminance") << "CPpbxLumSlider" << QPoint(3, 8) << QPoint(3, 30);
    }
    void escapeEndsAPaletteDrag() {
        QFETCH(QString, strip);
        QFETCH(QPoint, at);
        QFETCH(QPoint, later);
        auto* widget = p()->findChild<QWidget*>(strip);
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        move(widget, at);
        const QString shown = hsl();
        QVERIFY(desk().clip);
        QTest::keyClick(p(), Qt::Key_Escape);
        QVERIFY(!desk().clip);
        move(widget, later);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, later);
        QCOMPARE(hsl(), shown);
        QVERIFY(!desk().clip);
        // The next drag is a drag again.
        move(widget, later);
        QVERIFY(hsl() != shown);
    }

    void escapeEndsASliderDrag() {
        frmSwatchCard->Show();
        frmSwatchCard->pnlCardColor1->setColor(RGBColor(51, 153, 255));
        frmSwatchCard->lblCardCaption1->setCaption("3399FF");
        frmMivoSlider->targetPanel = frmSwatchCard->pnlCardColor1;
        frmMivoSlider->Show();
        TPaintBox* box = frmMivoSlider->pbxLumSlide;
        QTest::mousePress(box, Qt::LeftButton, {}, {3, 50});
        move(box, {3, 20});
        const std::string shown = frmSwatchCard->lblCardCaption1->Caption();
        QVERIFY(desk().clip);
        QTest::keyClick(frmMivoSlider, Qt::Key_Escape);
        QVERIFY(!desk().clip);
        move(box, {3, 90});
        QTest::mouseRelease(box, Qt::LeftButton, {}, {3, 90});
        QCOMPARE(frmSwatchCard->lblCardCaption1->Caption(), shown);
    }

    // Escape without a drag is no one's business here.
    void escapeWithoutADragPassesOn() {
        QVERIFY(!desk().clip);
        QTest::keyClick(p()->editHex, Qt::Key_Escape);
        move(p()->CPpbxHueSlider, {40, 2});
        QVERIFY(desk().clip);
    }
};

HUEVELLA_TEST_MAIN(TestStripDrags)
#include "tst_stripdrags.moc"
