#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "picker/TfrmScreenPicker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

// Picking from anywhere over a fake screen whose every pixel tells where it
// is: how a pick ends, what it leaves behind, and where the picker goes.
class TestScreenPick : public QObject, WindowSetFixture {
    Q_OBJECT

    static QRgb pixelAt(int x, int y) { return qRgb(x & 0xFF, y & 0xFF, (x >> 8) | (y >> 8) << 4); }
    static TColor colorAt(int x, int y) {
        const QRgb p = pixelAt(x, y);
        return RGBColor(qRed(p), qGreen(p), qBlue(p));
    }

    std::optional<PickOutcome> outcome;
    int outcomes = 0;

    void startPick(CodeForm form, QPoint pointer) {
        desk().cursor = pointer;
        frmScreenPicker->pickFromScreen({form, {}}, [this](const PickOutcome& o) {
            outcome = o;
            ++outcomes;
        });
    }
    void send(QEvent* event) { QApplication::sendEvent(frmScreenPicker, event); }
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint pointer,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        desk().cursor = pointer;
        QMouseEvent event(type, QPointF(-50, -50), QPointF(pointer), button,
                          type == QEvent::MouseMove ? Qt::NoButton : button, modifiers);
        send(&event);
    }
    void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, code, modifiers);
        send(&event);
    }

private slots:
    void init() {
        createWindows();
        QImage screen(1280, 800, QImage::Format_RGB32);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                screen.setPixel(x, y, pixelAt(x, y));
        desk().screen = screen;
        outcome.reset();
        outcomes = 0;
    }
    void cleanup() { destroyWindows(); }

    void besidePointer_data() {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("monitor");
        QTest::addColumn<QPoint>("place");
        const QRect one(0, 0, 1280, 800);
        QTest::newRow("below right") << QPoint(500, 300) << one << QPoint(520, 320);
        QTest::newRow("right edge: left of it") << QPoint(1200, 300) << one << QPoint(994, 320);
        QTest::newRow("bottom edge: above it") << QPoint(500, 790) << one << QPoint(520, 666);
        QTest::newRow("corner: above left") << QPoint(1279, 799) << one << QPoint(1073, 675);
        QTest::newRow("top left corner") << QPoint(0, 0) << one << QPoint(20, 20);
        // The second of two monitors: its own edges, not the first one's.
        QTest::newRow("second monitor's right edge")
            << QPoint(2500, 100) << QRect(1280, 0, 1280, 1024) << QPoint(2294, 120);
        QTest::newRow("first monitor's right edge, left of the second")
            << QPoint(1270, 100) << one << QPoint(1064, 120);
    }
    void besidePointer() {
        QFETCH(QPoint, pointer);
        QFETCH(QRect, monitor);
        QFETCH(QPoint, place);
        const QSize size = frmScreenPicker->size();
        const QPoint got = TfrmScreenPicker::besidePointer(pointer, size, monitor);
        QCOMPARE(got, place);
        const QRect picker(got, size);
        QVERIFY(monitor.contains(picker));
        // Never over the pixel read, nor the pixels the magnifier shows.
        QVERIFY(!picker.intersects(QRect(pointer - QPoint(10, 7), QSize(21, 15))));
    }

    void howAPickEnds_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QPoint>("taken"); // (-1, -1): nothing taken
        QTest::addColumn<QString>("why");
        // Several picks in one go: the card's slots, in turn.
        QTest::addColumn<QList<QPoint>>("cardSlots");
        const int hex = int(CodeForm::Hex), oklch = int(CodeForm::Oklch);
        const QPoint none(-1, -1);
        QTest::newRow("click") << hex << "click" << QPoint(210, 300) << "" << QList<QPoint>{};
        QTest::newRow("Return, oklch")
            << oklch << "Return" << QPoint(210, 300) << "" << QList<QPoint>{};
        QTest::newRow("Space") << hex << "Space" << QPoint(210, 300) << "" << QList<QPoint>{};
        QTest::newRow("arrows then Enter") << int(CodeForm::Rgb) << "Right Right Down Enter"
                                           << QPoint(212, 301) << "" << QList<QPoint>{};
        QTest::newRow("Shift+arrow")
            << hex << "Shift+Left Enter" << QPoint(200, 300) << "" << QList<QPoint>{};
        // A click soon after the last pick's comes as a double click.
        QTest::newRow("click soon after a click")
            << hex << "double click" << QPoint(210, 300) << "" << QList<QPoint>{};
        QTest::newRow("right click soon after a click")
            << hex << "right double click" << none << "" << QList<QPoint>{};
        QTest::newRow("Escape") << hex << "Escape" << none << "" << QList<QPoint>{};
        QTest::newRow("right click") << hex << "right click" << none << "" << QList<QPoint>{};
        QTest::newRow("a question of ours")
            << hex << "message box" << none << "" << QList<QPoint>{};
        // The program losing the focus mid-pick is the grab's doing or a
        // window of ours going, never the person: the pick goes on.
        QTest::newRow("focus lost, then a click")
            << hex << "deactivated click" << QPoint(210, 300) << "" << QList<QPoint>{};
        // Gone from the screen, the picker has lost the grab with it: the
        // caller must hear the end rather than wait for ever.
        QTest::newRow("the picker hidden") << hex << "hidden" << none << "" << QList<QPoint>{};
        QTest::newRow("Shift+click, Shift+Return, Escape")
            << hex << "Shift+click Right Shift+Return Escape" << QPoint(211, 300) << ""
            << QList<QPoint>{{210, 300}, {211, 300}};
        QTest::newRow("Shift+click, Enter takes the last")
            << hex << "Shift+click Right Enter" << QPoint(211, 300) << ""
            << QList<QPoint>{{210, 300}, {211, 300}};
        QTest::newRow("four Shift+Returns go round the slots")
            << hex << "Shift+Return Right Shift+Return Right Shift+Return Right Shift+Return Escape"
            << QPoint(213, 300) << "" << QList<QPoint>{{213, 300}, {211, 300}, {212, 300}};
        QTest::newRow("pointer held elsewhere")
            << hex << "grab refused" << none
            << "Can't pick: another program holds the pointer or the keyboard" << QList<QPoint>{};
        QTest::newRow("nothing can read the screen")
            << hex << "unreadable" << none
            << "Can't read: This desktop does not let programs read the screen" << QList<QPoint>{};
    }
    void howAPickEnds() {
        QFETCH(int, form);
        QFETCH(QString, ending);
        QFETCH(QPoint, taken);
        QFETCH(QString, why);
        QFETCH(QList<QPoint>, cardSlots);
        const QString copied =
            taken.x() < 0
                ? QString()
                : QString::fromStdString(codeInForm(colorAt(taken.x(), taken.y()), CodeForm(form)));
        desk().clipboard = "before";
        const TColor pallet = frmHuevella->pallet.GetColor();
        desk().grabRefused = ending == "grab refused";
        if (ending == "unreadable") desk().pressFinds = ScreenRead::State::Unreadable;
        startPick(CodeForm(form), QPoint(100, 100));
        QVERIFY(frmScreenPicker->Visible());
        if (ending != "grab refused" && ending != "unreadable") {
            QCOMPARE(desk().grabbedBy, frmScreenPicker);
            mouse(QEvent::MouseMove, Qt::NoButton, QPoint(210, 300));
            QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), colorAt(210, 300));
            QCOMPARE(frmScreenPicker->pos(), QPoint(230, 320));
        }
        if (ending == "deactivated click") {
            Application->OnDeactivate();
            QVERIFY(frmScreenPicker->Visible());
            QCOMPARE(desk().grabbedBy, frmScreenPicker);
        }
        if (ending == "click" || ending == "deactivated click")
            mouse(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(210, 300));
        if (ending == "double click")
            mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, QPoint(210, 300));
        if (ending == "right double click")
            mouse(QEvent::MouseButtonDblClick, Qt::RightButton, QPoint(210, 300));
        if (ending == "hidden") frmScreenPicker->Hide();
        if (ending == "right click")
            mouse(QEvent::MouseButtonPress, Qt::RightButton, QPoint(210, 300));
        if (ending == "message box") {
            desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
            Application->MessageBox("A question", "Huevella", MessageButtons::Ok);
        }
        for (const QString& k : ending.split(' ')) {
            if (k == "Shift+click")
                mouse(QEvent::MouseButtonPress, Qt::LeftButton, desk().cursor, Qt::ShiftModifier);
            if (k == "Shift+Return") key(Qt::Key_Return, Qt::ShiftModifier);
            if (k == "Return") key(Qt::Key_Return);
            if (k == "Enter") key(Qt::Key_Enter);
            if (k == "Space") key(Qt::Key_Space);
            if (k == "Escape") key(Qt::Key_Escape);
            if (k == "Right") {
                key(Qt::Key_Right);
                desk().cursor = desk().nativeCursorPos();
            }
            if (k == "Down") key(Qt::Key_Down);
            if (k == "Shift+Left") key(Qt::Key_Left, Qt::ShiftModifier);
        }
        QTRY_COMPARE(outcomes, 1 + int(ending.count("Shift+")) - int(ending.count("Shift+Left")));
        QVERIFY(!frmScreenPicker->ScreenPicking());
        QCOMPARE(desk().grabbedBy, nullptr);
        QCOMPARE(QString::fromStdString(outcome->why), why);
        QCOMPARE(outcome->colour.has_value(), !copied.isEmpty());
        QCOMPARE(desk().clipboard, copied.isEmpty() ? QString("before") : copied);
        if (copied.isEmpty()) {
            // Nothing taken changes nothing.
            QCOMPARE(frmHuevella->pallet.GetColor(), pallet);
        } else {
            // The pallet holds it, as a colour taken from the picker does.
            QCOMPARE(frmHuevella->pallet.GetColor(), *outcome->colour);
            QCOMPARE(frmHuevella->pallet.GetCode(), ColorToCode(*outcome->colour));
        }
        if (!cardSlots.isEmpty()) {
            QVERIFY(frmSwatchCard && frmSwatchCard->Visible());
            const TLabel* captions[] = {frmSwatchCard->lblCardCaption1,
                                        frmSwatchCard->lblCardCaption2,
                                        frmSwatchCard->lblCardCaption3};
            for (int i = 0; i < 3; ++i)
                QCOMPARE(captions[i]->Caption(),
                         i < cardSlots.size()
                             ? ColorToCode(colorAt(cardSlots[i].x(), cardSlots[i].y()))
                             : std::string());
        }
        // A message stays a moment; a plain end puts the picker away.
        QCOMPARE(frmScreenPicker->Visible(), !why.isEmpty());
    }

    // Where the screen cannot be read, the desktop's picture is shown over
    // every screen and read, the picker drawn into it rather than shown
    // over it, and kept out of the picture; the pick ends with it gone.
    void frozenPictureIsShownAndRead_data() {
        QTest::addColumn<bool>("askedFirst");
        QTest::newRow("picture at once") << false;
        // The picker was out saying so: the picture is asked for again.
        QTest::newRow("the person asked first") << true;
    }
    void frozenPictureIsShownAndRead() {
        QFETCH(bool, askedFirst);
        desk().area = QGuiApplication::primaryScreen()->virtualGeometry();
        desk().pressFinds = ScreenRead::State::Waiting;
        startPick(CodeForm::HashHex, QPoint(100, 100));
        QCOMPARE(desk().grabbedBy, nullptr);
        QVERIFY(!frmScreenPicker->Visible());
        if (askedFirst) {
            desk().answerScreenRead({ScreenRead::State::Asking, {}});
            QVERIFY(frmScreenPicker->Visible());
            desk().answerScreenRead({ScreenRead::State::Frozen, {}});
            QCOMPARE(desk().screenReadsBegun, 2);
            QVERIFY(!frmScreenPicker->Visible());
        }
        desk().answerScreenRead({ScreenRead::State::Frozen, {}});
        // Over the picture the events are ours without a grab.
        QCOMPARE(desk().grabbedBy, nullptr);
        QVERIFY(!frmScreenPicker->Visible());
        QWidget* cover = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frozenScreen" && w->isVisible()) cover = w;
        QVERIFY(cover);
        QCOMPARE(cover->grab().toImage().pixel(300, 200), pixelAt(300, 200));
        desk().cursor = QPoint(300, 200);
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), QPointF(300, 200), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cover, &move);
        // Beside the pointer, showing the colour under it.
        QCOMPARE(cover->grab().toImage().pixel(300 + 20 + 153, 200 + 20 + 64), pixelAt(300, 200));
        // The arrows move the point read, never the pointer (a warp has
        // Xwayland lose the desktop's pointer jumps).
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(cover, &right);
        QVERIFY(!desk().nativeCursor);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(cover, &enter);
        QCOMPARE(outcomes, 1);
        QCOMPARE(desk().clipboard, QString::fromStdString("#" + ColorToCode(colorAt(301, 200))));
        QCOMPARE(desk().screenReadsAbandoned, 1);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != "frozenScreen");
    }

    // While the desktop asks the person, Escape cancels the pick, and the
    // question with it.
    void escapeWhileAsking() {
        desk().pressFinds = ScreenRead::State::Waiting;
        startPick(CodeForm::Hex, QPoint(100, 100));
        desk().answerScreenRead({ScreenRead::State::Asking, {}});
        QVERIFY(frmScreenPicker->Visible());
        key(Qt::Key_Escape);
        QTRY_COMPARE(outcomes, 1);
        QVERIFY(!outcome->colour);
        QCOMPARE(desk().screenReadsAbandoned, 1);
    }

    // No picture: the desktop's own picker takes it, and that is the pick.
    void desktopPickerTakes() {
        desk().pressFinds = ScreenRead::State::Waiting;
        startPick(CodeForm::Rgb, QPoint(100, 100));
        frmScreenPicker->pnlPickerColor->setColor(colorAt(7, 7)); // an earlier pick's
        desk().answerScreenRead({ScreenRead::State::Picking, {}});
        QCOMPARE(desk().grabbedBy, nullptr);
        // No colour of an earlier pick while the desktop's picker is out.
        QCOMPARE(frmScreenPicker->pnlPickerColor->Color(), BlankColor);
        desk().answerScreenRead({ScreenRead::State::Picked, QColor(0x33, 0x66, 0xCC)});
        QTRY_COMPARE(outcomes, 1);
        QCOMPARE(desk().clipboard, QString("rgb(51 102 204)"));
    }

    // The main menu's first item picks as --pick does.
    void mainMenuPicks() {
        QCOMPARE(frmHuevella->mnuMainMenu->Items().front(), frmHuevella->mnuPickFromScreen);
        QCOMPARE(QString::fromStdString(frmHuevella->mnuPickFromScreen->Caption()),
                 QString("Pick from Screen"));
        frmHuevella->mnuPickFromScreen->Click();
        QVERIFY(frmScreenPicker->ScreenPicking());
        QCOMPARE(desk().grabbedBy, frmScreenPicker);
        // Wherever the pointer takes it, over the book (kept above) too.
        const auto above = [] {
            return bool(frmScreenPicker->windowFlags() & Qt::WindowStaysOnTopHint);
        };
        QVERIFY(above());
        key(Qt::Key_Escape);
        QVERIFY(!frmScreenPicker->ScreenPicking());
        // Docked again under the book's eyedropper, it is a companion again.
        QTest::mousePress(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(frmScreenPicker->Visible());
        QVERIFY(!above());
        QTest::mouseRelease(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
    }
};

HUEVELLA_TEST_MAIN(TestScreenPick)
#include "tst_screenpick.moc"
