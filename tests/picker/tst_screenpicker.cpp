#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "core/colour/Average.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/forms/Preferences.h"

// The eyedropper and the screen picker over a fake screen whose every pixel
// tells where it is.
class TestScreenPicker : public QObject, WindowSetFixture {
    Q_OBJECT

    static QRgb pixelAt(int x, int y) { return qRgb(x & 0xFF, y & 0xFF, (x >> 8) | (y >> 8) << 4); }
    static TColor colorAt(int x, int y) {
        const QRgb p = pixelAt(x, y);
        return RGBColor(qRed(p), qGreen(p), qBlue(p));
    }
    static QImage fakeScreen() {
        QImage screen(1280, 800, QImage::Format_RGB32);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                screen.setPixel(x, y, pixelAt(x, y));
        return screen;
    }
    // The mean of the square of `size` pixels around a point.
    static TColor meanAt(QPoint at, int size) {
        std::vector<TColor> square;
        for (int y = -size / 2; y <= size / 2; ++y)
            for (int x = -size / 2; x <= size / 2; ++x)
                square.push_back(colorAt(at.x() + x, at.y() + y));
        return averageColour(square);
    }
    static QRgb view(int x, int y) {
        return frmScreenPicker->imgMagnifier->Bitmap().pixel(x, y) | 0xFF000000;
    }

    void press(Qt::MouseButton button, QPoint pointer) {
        desk().cursor = pointer;
        QTest::mousePress(frmHuevella->imgEyedropper, button, {}, QPoint(5, 5));
    }
    void move(Qt::MouseButtons held, QPoint pointer) {
        desk().cursor = pointer;
        // A drag's move comes with its buttons held, wherever the pointer is.
        QMouseEvent event(QEvent::MouseMove, QPointF(5, 5), QPointF(pointer), Qt::NoButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(frmHuevella->imgEyedropper, &event);
    }

private slots:
    void initTestCase() { QVERIFY(!fakeScreen().isNull()); }
    void init() {
        // Each test starts from the first choices, whatever the last chose.
        keepChoice("picker/sample", 1);
        keepChoice("picker/zoom", TfrmScreenPicker::DefaultZoom);
        createWindows();
        desk().screen = fakeScreen();
        frmHuevella->showFromTray();
    }
    void cleanup() { destroyWindows(); }

    void startsHiddenBelowTheBook() {
        QVERIFY(!frmScreenPicker->Visible());
        QCOMPARE(frmScreenPicker->pos(), frmHuevella->pos() + QPoint(0, 123));
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), BlankColor);
        QVERIFY(frmScreenPicker->lblPickerCaption->Caption().empty());
        QCOMPARE(frmScreenPicker->imgMagnifier->geometry(), QRect(6, 17, 113, 81));
        QCOMPARE(frmScreenPicker->imgTarget->Picture().deviceIndependentSize(), QSizeF(113, 81));
        QCOMPARE(frmScreenPicker->lblPickerSample->Caption(), "1×1");
        QCOMPARE(frmScreenPicker->lblPickerZoom->Caption(), "6×");
        QCOMPARE(frmScreenPicker->lblPickerCaption->toolTip(), QString("Click to Copy"));
    }

    void pressSamplesOnce_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void pressSamplesOnce() {
        QFETCH(int, button);
        press(Qt::MouseButton(button), QPoint(500, 300));
        QVERIFY(frmScreenPicker->Visible());
        QVERIFY(frmHuevella->imgCollapseCards->Visible() && !frmHuevella->imgSwatchCard->Visible());
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(500, 300));
        QVERIFY(frmScreenPicker->lblPickerCaption->Caption().empty());
        QCOMPARE(desk().screenGrabs, 1);
        // Moves with another button than the left one held change nothing.
        if (button != Qt::LeftButton) {
            move(Qt::MouseButton(button), QPoint(700, 400));
            QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(500, 300));
            QCOMPARE(desk().screenGrabs, 1);
        }
    }

    void magnifierShowsTheSourceRectangle_data() {
        QTest::addColumn<QPoint>("viewPixel");
        QTest::addColumn<QPoint>("screenPixel");
        // Notches of the wheel over the picker first: 6 points a pixel,
        // two up 16, two down 2.
        QTest::addColumn<int>("wheel");
        QTest::newRow("top-left") << QPoint(0, 0) << QPoint(491, 293) << 0;
        QTest::newRow("top-right") << QPoint(112, 0) << QPoint(509, 293) << 0;
        QTest::newRow("bottom-left") << QPoint(0, 80) << QPoint(491, 307) << 0;
        QTest::newRow("bottom-right") << QPoint(112, 80) << QPoint(509, 307) << 0;
        QTest::newRow("centre, under the tip") << QPoint(56, 40) << QPoint(500, 300) << 0;
        QTest::newRow("centre block start") << QPoint(53, 37) << QPoint(500, 300) << 0;
        QTest::newRow("centre block end") << QPoint(58, 42) << QPoint(500, 300) << 0;
        QTest::newRow("left of centre") << QPoint(52, 40) << QPoint(499, 300) << 0;
        QTest::newRow("16x, top-left") << QPoint(0, 0) << QPoint(497, 298) << 2;
        QTest::newRow("16x, block end") << QPoint(63, 47) << QPoint(500, 300) << 2;
        QTest::newRow("16x, right of centre") << QPoint(64, 40) << QPoint(501, 300) << 2;
        QTest::newRow("16x, bottom-right") << QPoint(112, 80) << QPoint(504, 303) << 3;
        QTest::newRow("2x, top-left") << QPoint(0, 0) << QPoint(472, 280) << -2;
        QTest::newRow("2x, left of centre") << QPoint(54, 40) << QPoint(499, 300) << -2;
        QTest::newRow("2x, bottom-right") << QPoint(112, 80) << QPoint(528, 320) << -9;
    }
    void magnifierShowsTheSourceRectangle() {
        QFETCH(QPoint, viewPixel);
        QFETCH(QPoint, screenPixel);
        QFETCH(int, wheel);
        QWheelEvent turn(QPointF(20, 20), QPointF(20, 20), {}, QPoint(0, wheel * 120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(frmScreenPicker, &turn);
        press(Qt::LeftButton, QPoint(480, 280));
        move(Qt::LeftButton, QPoint(500, 300));
        QCOMPARE(frmScreenPicker->imgMagnifier->Bitmap().size(), QSize(113, 81));
        QCOMPARE(view(viewPixel.x(), viewPixel.y()), pixelAt(screenPixel.x(), screenPixel.y()));
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(500, 300));
        QCOMPARE(frmScreenPicker->lblPickerCaption->Caption(), ColorToCode(colorAt(500, 300)));
        QCOMPARE(frmScreenPicker->lblPickerCaption->Color(), clWhite);
        // One grab serves the pixel and the view of each sampling.
        QCOMPARE(desk().screenGrabs, 2);
    }

    // On a scaled screen the pointer lies among device pixels: the one
    // under it is taken, odd or even, and the view is centred on it.
    void everyDevicePixelIsPicked_data() {
        QTest::addColumn<QPoint>("native");
        QTest::newRow("even") << QPoint(200, 120);
        QTest::newRow("odd") << QPoint(201, 121);
        QTest::newRow("odd x") << QPoint(333, 120);
    }
    void everyDevicePixelIsPicked() {
        QFETCH(QPoint, native);
        desk().nativeCursor = native;
        press(Qt::LeftButton, native / 2);
        move(Qt::LeftButton, native / 2);
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(native.x(), native.y()));
        QCOMPARE(view(56, 40), pixelAt(native.x(), native.y()));
        QCOMPARE(view(52, 40), pixelAt(native.x() - 1, native.y()));
    }

    // Picking by keyboard from (200, 120): the arrows move the pointer one
    // device pixel (ten with Shift), the picker follows, Space or Enter takes
    // the colour, Escape or leaving the button takes nothing.
    void keyboardPicking_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<bool>("taken");
        // The square averaged at the end, chosen by the number keys.
        QTest::addColumn<int>("average");
        QTest::newRow("right right down, enter")
            << "Right Right Down Return" << QPoint(202, 121) << true << 1;
        QTest::newRow("shift+left up, space")
            << "Shift+Left Up Space" << QPoint(190, 119) << true << 1;
        QTest::newRow("shift+down, escape")
            << "Shift+Down Escape" << QPoint(200, 130) << false << 1;
        QTest::newRow("left, focus leaves") << "Left Tab" << QPoint(199, 120) << false << 1;
        QTest::newRow("5, right, enter") << "5 Right Return" << QPoint(201, 120) << true << 5;
        QTest::newRow("7 3, up, enter") << "7 3 Up Return" << QPoint(200, 119) << true << 3;
        QTest::newRow("7 1, enter") << "7 1 Return" << QPoint(200, 120) << true << 1;
        // Several in one go: each to the card's next slot.
        QTest::newRow("shift+enter, right, enter")
            << "Shift+Return Right Return" << QPoint(201, 120) << true << 1;
    }
    void keyboardPicking() {
        QFETCH(QString, keys);
        QFETCH(QPoint, end);
        QFETCH(bool, taken);
        QFETCH(int, average);
        frmHuevella->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frmHuevella));
        frmHuevella->pallet.SetColor(clBlack);
        desk().nativeCursor = QPoint(200, 120);
        auto* eyedropper = frmHuevella->imgEyedropper;
        eyedropper->setFocus(Qt::TabFocusReason);
        QTest::keyClick(eyedropper, Qt::Key_Space);
        QVERIFY(frmScreenPicker->Visible());
        QVERIFY(frmScreenPicker->KeyPicking());
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(200, 120));
        for (const QString& step : keys.split(' ')) {
            const QKeySequence key(step);
            if (key[0].key() == Qt::Key_Tab) {
                frmHuevella->imgMenu->setFocus(Qt::TabFocusReason);
                continue;
            }
            QTest::keyClick(eyedropper, key[0].key(), key[0].keyboardModifiers());
            // The picker follows the pointer, as it does a drag.
            const QPoint at = desk().nativeCursorPos();
            if (frmScreenPicker->KeyPicking())
                QCOMPARE(frmScreenPicker->pnlPickerColor->Color(),
                         meanAt(at, frmScreenPicker->SampleSize()));
        }
        QVERIFY(!frmScreenPicker->KeyPicking());
        QCOMPARE(desk().nativeCursorPos(), end);
        QCOMPARE(frmScreenPicker->SampleSize(), average);
        QCOMPARE(frmHuevella->pallet.GetColor(), taken ? meanAt(end, average) : clBlack);
        QCOMPARE(frmSwatchCard->Visible(), taken);
        QCOMPARE(frmScreenPicker->Visible(), taken);
        if (taken) QCOMPARE(view(56, 40), pixelAt(end.x(), end.y()));
        if (keys.startsWith("Shift+Return")) {
            QCOMPARE(frmSwatchCard->lblCardCaption1->Caption(), ColorToCode(colorAt(200, 120)));
            QCOMPARE(frmSwatchCard->lblCardCaption2->Caption(),
                     ColorToCode(colorAt(end.x(), end.y())));
        }
    }

    // The picker's code has the code menu; a message in its place has none.
    void captionMenu() {
        press(Qt::LeftButton, QPoint(123, 45));
        move(Qt::LeftButton, QPoint(123, 45));
        QTest::mouseRelease(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(frmScreenPicker->lblPickerCaption, Qt::RightButton);
        QCOMPARE(desk().popups.size(), size_t(1));
        QAction* hex = desk().popups[0].menu->actions().value(0);
        QVERIFY(hex);
        hex->trigger();
        QCOMPARE(desk().clipboard, "#" + QString::fromStdString(ColorToCode(colorAt(123, 45))));
        desk().answerScreenRead({ScreenRead::State::Cancelled, {}});
        QTest::mouseClick(frmScreenPicker->lblPickerCaption, Qt::RightButton);
        QCOMPARE(desk().popups.size(), size_t(1));
    }

    // A square cut by the edge averages what is on the screen, and says so.
    void screenCornerShowsBlackBeyondTheEdge() {
        frmScreenPicker->chooseSampleSize(3);
        press(Qt::LeftButton, QPoint(0, 0));
        QCOMPARE(view(0, 0), qRgb(0, 0, 0));
        QCOMPARE(view(50, 35), qRgb(0, 0, 0));
        QCOMPARE(view(56, 40), pixelAt(0, 0));
        QCOMPARE(view(112, 80), pixelAt(9, 7));
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(),
                 averageColour({colorAt(0, 0), colorAt(1, 0), colorAt(0, 1), colorAt(1, 1)}));
        QCOMPARE(frmScreenPicker->lblPickerSample->Caption(), "4/9");
    }

    void pressWithoutMoveHandsTheColourOver() {
        press(Qt::LeftButton, QPoint(123, 45));
        QTest::mouseRelease(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
        desk().clipboard = "old";
        QTest::mouseClick(frmScreenPicker->lblPickerCaption, Qt::LeftButton);
        QCOMPARE(desk().clipboard, QString(""));
        QTest::mouseClick(frmScreenPicker->pnlPickerColor, Qt::LeftButton);
        QVERIFY(frmSwatchCard->Visible());
        QCOMPARE(frmHuevella->pallet.GetColor(), colorAt(123, 45));
        QCOMPARE(frmHuevella->pallet.GetCode(), ColorToCode(colorAt(123, 45)));
    }

    void dragThenTake() {
        press(Qt::LeftButton, QPoint(10, 10));
        move(Qt::LeftButton, QPoint(640, 20));
        move(Qt::LeftButton, QPoint(1000, 700));
        const std::string code = ColorToCode(colorAt(1000, 700));
        QCOMPARE(frmScreenPicker->lblPickerCaption->Caption(), code);
        QTest::mouseClick(frmScreenPicker->lblPickerCaption, Qt::LeftButton);
        QCOMPARE(desk().clipboard.toStdString(), code);
        QTest::mouseClick(frmScreenPicker->pnlPickerColor, Qt::LeftButton);
        QTest::mouseClick(frmSwatchCard->pnlCardColor2, Qt::LeftButton);
        QCOMPARE(frmSwatchCard->lblCardCaption2->Caption(), code);
        QCOMPARE(frmSwatchCard->pnlCardColor2->Color(), colorAt(1000, 700));
    }

    void eyedropperCursorOnceACodeIsShown() {
        QTest::mouseMove(frmScreenPicker->pnlPickerColor, QPoint(4, 4));
        QCOMPARE(frmScreenPicker->pnlPickerColor->cursor().shape(), Qt::ArrowCursor);
        press(Qt::LeftButton, QPoint(300, 300));
        QTest::mouseMove(frmScreenPicker->pnlPickerColor, QPoint(5, 5));
        QCOMPARE(frmScreenPicker->pnlPickerColor->cursor().shape(), Qt::ArrowCursor);
        move(Qt::LeftButton, QPoint(301, 300));
        QTest::mouseMove(frmScreenPicker->pnlPickerColor, QPoint(6, 6));
        QCOMPARE(frmScreenPicker->pnlPickerColor->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(frmScreenPicker->pnlPickerColor->cursor().hotSpot(), QPoint(0, 15));
        QCOMPARE(Screen()->Cursor(TfrmScreenPicker::crEyedropper).hotSpot(), QPoint(0, 15));
    }

    // Where the screen cannot be read: a message, a blank panel, nothing to
    // take or copy; never black passed off as a colour.
    void refusedScreenIsNeverAColour_data() {
        QTest::addColumn<int>("pressFinds");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("caption");
        using S = ScreenRead::State;
        QTest::newRow("read refused mid-drag")
            << int(S::Live) << int(S::Unreadable) << "Can't read";
        QTest::newRow("nothing can read it") << int(S::Unreadable) << -1 << "Can't read";
        QTest::newRow("cancelled") << int(S::Waiting) << int(S::Cancelled) << "Cancelled";
        QTest::newRow("no answer") << int(S::Waiting) << int(S::NoAnswer) << "No answer";
        QTest::newRow("picker refused") << int(S::Waiting) << int(S::Unreadable) << "Can't read";
        QTest::newRow("service failed") << int(S::Waiting) << int(S::Failed) << "Can't read";
        QTest::newRow("the desktop asks the person")
            << int(S::Waiting) << int(S::Asking) << "Asking\u2026";
    }
    void refusedScreenIsNeverAColour() {
        QFETCH(int, pressFinds);
        QFETCH(int, answer);
        QFETCH(QString, caption);
        // An earlier gesture left a colour and its code.
        press(Qt::LeftButton, QPoint(20, 20));
        move(Qt::LeftButton, QPoint(21, 20));
        desk().pressFinds = ScreenRead::State(pressFinds);
        press(Qt::LeftButton, QPoint(500, 300));
        if (answer >= 0) {
            if (pressFinds == int(ScreenRead::State::Live)) {
                desk().readState = ScreenRead::State(answer);
                move(Qt::LeftButton, QPoint(600, 300));
            } else {
                move(Qt::LeftButton, QPoint(600, 300));
                desk().answerScreenRead({ScreenRead::State(answer), {}});
            }
        }
        QCOMPARE(QString::fromStdString(frmScreenPicker->lblPickerCaption->Caption()), caption);
        QCOMPARE(frmScreenPicker->lblPickerCaption->Color(), BlankColor);
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), BlankColor);
        QVERIFY(frmScreenPicker->lblPickerMessage->Visible());
        QVERIFY(!frmScreenPicker->imgMagnifier->Visible());
        desk().clipboard = "kept";
        QTest::mouseClick(frmScreenPicker->lblPickerCaption, Qt::LeftButton);
        QCOMPARE(desk().clipboard, QString("kept"));
        const TColor before = frmHuevella->pallet.GetColor();
        QTest::mouseClick(frmScreenPicker->pnlPickerColor, Qt::LeftButton);
        QVERIFY(!frmSwatchCard->Visible());
        QCOMPARE(frmHuevella->pallet.GetColor(), before);
        // A screen that reads again brings the magnifier back.
        desk().pressFinds = ScreenRead::State::Live;
        press(Qt::LeftButton, QPoint(40, 30));
        QVERIFY(!frmScreenPicker->lblPickerMessage->Visible());
        QVERIFY(frmScreenPicker->imgMagnifier->Visible());
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(40, 30));
        QVERIFY(frmScreenPicker->lblPickerCaption->Caption().empty());
    }

    // The desktop's picture answers for the whole drag, moves made while it
    // was awaited included.
    void pictureServesTheDrag() {
        desk().pressFinds = ScreenRead::State::Waiting;
        press(Qt::LeftButton, QPoint(100, 100));
        QVERIFY(frmScreenPicker->lblPickerMessage->Visible());
        move(Qt::LeftButton, QPoint(500, 300));
        QCOMPARE(desk().screenGrabs, 0);
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), BlankColor);
        desk().answerScreenRead({ScreenRead::State::Frozen, {}});
        QVERIFY(!frmScreenPicker->lblPickerMessage->Visible());
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(500, 300));
        QCOMPARE(frmScreenPicker->lblPickerCaption->Caption(), ColorToCode(colorAt(500, 300)));
        QCOMPARE(view(58, 41), pixelAt(500, 300));
        move(Qt::LeftButton, QPoint(700, 400));
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(700, 400));
        QCOMPARE(desk().screenReadsEnded, 0);
        QTest::mouseRelease(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(desk().screenReadsEnded, 1);
    }

    // A picture that comes after the release is read where the button came
    // up, not where the pointer has gone since, and is then let go.
    void lateFrameIsReadWhereTheButtonCameUp() {
        desk().pressFinds = ScreenRead::State::Waiting;
        press(Qt::LeftButton, QPoint(100, 100));
        move(Qt::LeftButton, QPoint(200, 150));
        QTest::mouseRelease(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
        desk().cursor = QPoint(900, 600);
        desk().answerScreenRead({ScreenRead::State::Frozen, {}});
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(200, 150));
        QCOMPARE(frmScreenPicker->lblPickerCaption->Caption(), ColorToCode(colorAt(200, 150)));
        QCOMPARE(desk().screenReadsEnded, 1);
    }

    // The person answered the desktop's question after letting go: the
    // picture that comes is not a pick, and the next press reads again.
    void answerAfterTheQuestionTakesNothing() {
        desk().pressFinds = ScreenRead::State::Waiting;
        press(Qt::LeftButton, QPoint(100, 100));
        desk().answerScreenRead({ScreenRead::State::Asking, {}});
        QVERIFY(QString::fromStdString(frmScreenPicker->lblPickerMessage->Caption())
                    .contains("answer it there"));
        QTest::mouseRelease(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
        const int ended = desk().screenReadsEnded;
        desk().answerScreenRead({ScreenRead::State::Frozen, {}});
        QCOMPARE(frmScreenPicker->lblPickerCaption->Caption(), std::string("Ready"));
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), BlankColor);
        QCOMPARE(desk().screenReadsEnded, ended + 1);
        const TColor before = frmHuevella->pallet.GetColor();
        QTest::mouseClick(frmScreenPicker->pnlPickerColor, Qt::LeftButton);
        QCOMPARE(frmHuevella->pallet.GetColor(), before);
        desk().pressFinds = ScreenRead::State::Waiting;
        press(Qt::LeftButton, QPoint(300, 200));
        desk().answerScreenRead({ScreenRead::State::Frozen, {}});
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(300, 200));
    }

    // A failed service says what a wlroots desktop lacks, there only.
    void failedServiceSaysWhatItNeeds_data() {
        QTest::addColumn<bool>("wlroots");
        QTest::newRow("wlroots") << true;
        QTest::newRow("elsewhere") << false;
    }
    void failedServiceSaysWhatItNeeds() {
        QFETCH(bool, wlroots);
        desk().pressFinds = ScreenRead::State::Waiting;
        press(Qt::LeftButton, QPoint(100, 100));
        desk().answerScreenRead({ScreenRead::State::Failed, {}, wlroots});
        const QString message =
            QString::fromStdString(frmScreenPicker->lblPickerMessage->Caption());
        QVERIFY2(message.contains("screenshot service failed"), qPrintable(message));
        QCOMPARE(message.contains("grim"), wlroots);
    }

    // Without a picture, the desktop's own picker: its colour is taken like
    // any other, and the picker says there is no magnifier.
    void desktopPickerColour() {
        desk().pressFinds = ScreenRead::State::Waiting;
        press(Qt::LeftButton, QPoint(100, 100));
        desk().answerScreenRead({ScreenRead::State::Picking, {}});
        QVERIFY(frmScreenPicker->lblPickerMessage->Visible());
        desk().answerScreenRead({ScreenRead::State::Picked, QColor(0x33, 0x66, 0xCC)});
        QCOMPARE(frmScreenPicker->lblPickerCaption->Caption(), std::string("3366CC"));
        QVERIFY(QString::fromStdString(frmScreenPicker->lblPickerMessage->Caption())
                    .contains("No magnifier"));
        QTest::mouseClick(frmScreenPicker->pnlPickerColor, Qt::LeftButton);
        QCOMPARE(frmHuevella->pallet.GetCode(), std::string("3366CC"));
        QCOMPARE(frmHuevella->pallet.GetColor(), RGBColor(0x33, 0x66, 0xCC));
    }
};

HUEVELLA_TEST_MAIN(TestScreenPicker)
#include "tst_screenpicker.moc"
