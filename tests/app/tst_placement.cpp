#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "forms/FormDefs.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "schemes/TfrmSuggestSchemes.h"
#include "slider/TfrmMivoSlider.h"

#include <QScreen>

// Companions on window systems that place them where asked, and on those
// that put them where they like (sway centres them over the book).
// Once the program has taken placement over it keeps it, so the functions
// run in this order.
class TestPlacement : public QObject, WindowSetFixture {
    Q_OBJECT

    static bool managed(QWidget* form) {
        return !(form->windowFlags() & Qt::X11BypassWindowManagerHint);
    }
    static QList<TForm*> companions() {
        return {frmScreenPicker, frmSwatchCard, frmColorPalette, frmSuggestSchemes};
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
    }
    void cleanup() { destroyWindows(); }

    // A control bound by a name its form lacks, or as another kind, stops
    // the window's construction instead of leaving a null to crash on later.
    void bindingIsLoud_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("asImage");
        QTest::addColumn<bool>("bound");
        QTest::newRow("the image") << "imgMagnifier" << true << true;
        QTest::newRow("misspelt") << "imgMagnifer" << true << false;
        QTest::newRow("another kind") << "lblPickerCaption" << true << false;
        QTest::newRow("the label") << "lblPickerCaption" << false << true;
    }
    void bindingIsLoud() {
        QFETCH(QString, name);
        QFETCH(bool, asImage);
        QFETCH(bool, bound);
        struct Binding : TForm {
            Binding(const QString& name, bool asImage) : TForm(screenPickerFormDef()) {
                const QByteArray latin = name.toLatin1();
                if (asImage)
                    control<TImage>(latin.constData());
                else
                    control<TLabel>(latin.constData());
            }
        };
        bool built = true;
        try {
            Binding form(name, asImage);
        } catch (const std::logic_error& error) {
            built = false;
            QVERIFY(QString(error.what()).contains(name));
        }
        QCOMPARE(built, bound);
    }

    void honouredPlacesStayManaged() {
        frmHuevella->imgSwatchCardClick();
        QVERIFY(frmSwatchCard->Visible());
        QTest::qWait(600);
        for (TForm* form : companions())
            QVERIFY2(managed(form), qPrintable(form->objectName()));
        QVERIFY(!TForm::placingOurselves());
        QCOMPARE(frmSwatchCard->pos(), frmHuevella->pos() + QPoint(0, -103));
    }

    // A companion that the rules would put partly off the screen is moved in
    // just enough; elsewhere the rules' place stands.
    void companionsStayOnTheScreen_data() {
        QTest::addColumn<QPoint>("book");
        QTest::addColumn<QString>("companion");
        QTest::addColumn<QPoint>("expected"); // -1: the rules' place
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("card, book in the middle")
            << QPoint(300, 300) << "frmSwatchCard" << QPoint(300, 197);
        QTest::newRow("card, book at the top")
            << QPoint(300, 40) << "frmSwatchCard" << QPoint(300, screen.top());
        QTest::newRow("picker, book at the bottom")
            << QPoint(300, screen.bottom() - 130) << "frmScreenPicker"
            << QPoint(300, screen.bottom() + 1 - 104);
        QTest::newRow("palette, book at the right")
            << QPoint(screen.right() - 200, 300) << "frmColorPalette"
            << QPoint(screen.right() + 1 - 186, 320);
    }
    void companionsStayOnTheScreen() {
        QFETCH(QPoint, book);
        QFETCH(QString, companion);
        QFETCH(QPoint, expected);
        frmHuevella->move(book);
        TForm* form = nullptr;
        for (TForm* f : companions())
            if (f->objectName() == companion) form = f;
        QVERIFY(form);
        frmHuevella->placeCompanion(form);
        QCOMPARE(form->pos(), expected);
    }

    // The slider beside a slot of a card at the top of the screen: all of
    // its strips within reach.
    void sliderStaysOnTheScreen() {
        frmHuevella->move(300, 110);
        frmHuevella->placeCompanion(frmSwatchCard);
        frmHuevella->imgSwatchCardClick();
        QCOMPARE(frmSwatchCard->pos(), QPoint(300, 7));
        frmSwatchCard->lblCardCaption1->setCaption("3399FF");
        QTest::mouseClick(frmSwatchCard->pnlCardColor1, Qt::RightButton);
        QVERIFY(frmMivoSlider->Visible());
        QCOMPARE(frmMivoSlider->pos().y(),
                 QGuiApplication::primaryScreen()->availableGeometry().top());
    }

    // The compositor put the book elsewhere than asked and centres every
    // companion: the companions leave its management and dock to the book
    // where it really is, the visible ones shown again, the rest later.
    void ignoredPlacesAreTakenOver() {
        const QPoint book(300, 200), centre(500, 350);
        desk().placeOf = [&](QWidget* window) -> std::optional<QPoint> {
            if (window == frmHuevella) return book;
            return managed(window) ? centre : window->pos();
        };
        frmHuevella->imgSwatchCardClick();
        QTRY_VERIFY(TForm::placingOurselves());
        for (TForm* form : companions()) {
            QVERIFY2(!managed(form), qPrintable(form->objectName()));
            QCOMPARE(form->windowFlags() & Qt::WindowType_Mask, Qt::Window);
        }
        QVERIFY(managed(frmHuevella));
        QVERIFY(frmSwatchCard->Visible());
        QVERIFY(!frmColorPalette->Visible());
        QCOMPARE(frmSwatchCard->pos(), book + QPoint(0, -103));
        QCOMPARE(frmScreenPicker->pos(), book + QPoint(0, 123));
        QCOMPARE(frmColorPalette->pos(), book + QPoint(185, 20));
        // Opened later, a companion comes out docked too.
        frmHuevella->imgColorPaletteClick();
        QVERIFY(frmColorPalette->Visible());
        QCOMPARE(frmColorPalette->pos(), book + QPoint(185, 20));
    }

    // Windows made after that are of our placing from the start.
    void laterWindowsArePlacedByUs() {
        QVERIFY(TForm::placingOurselves());
        for (TForm* form : companions())
            QVERIFY2(!managed(form), qPrintable(form->objectName()));
    }
};

HUEVELLA_TEST_MAIN(TestPlacement)
#include "tst_placement.moc"
