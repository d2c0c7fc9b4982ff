#include "BookFixture.h"

using namespace bookfixture;

// The book window's cards: what each command shows and which buttons it
// leaves usable.
class TestBookWindow : public QObject, BookWindowFixture {
    Q_OBJECT

    static void click(TImage* image) {
        QVERIFY2(image->Visible(), qPrintable(image->objectName()));
        QTest::mouseClick(image, Qt::LeftButton);
    }

    static QString shownTitle() {
        return QString::fromStdString(frmHuevella->lblCardTitle->Caption());
    }
private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
    }
    void cleanup() { destroyWindows(); }

    void startsEmptyWithEverythingDisabled() {
        auto* f = frmHuevella;
        QCOMPARE(buttons(), QString("---"));
        QCOMPARE(f->lastCard, -1);
        QCOMPARE(f->currentCard, 0);
        QVERIFY(!f->mnuSave->Enabled());
        QVERIFY(!f->mnuSaveAs->Enabled());
        QVERIFY(!f->modified && !f->openedFromFile && !f->saveTargetKnown);
        for (TPanel* p : {f->pnlColor1, f->pnlColor2, f->pnlColor3})
            QCOMPARE(p->Color(), BlankColor);
        QVERIFY(f->lblCardTitle->Caption().empty());
        QVERIFY(!f->editCardTitle->Visible());
    }

    void navigation_data() {
        QTest::addColumn<int>("cardCount");
        QTest::addColumn<QString>("clicks"); // P previous, N next
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("buttonsAfter");
        QTest::newRow("two: back to first") << 2 << "P" << 0 << "C-N";
        QTest::newRow("two: back and forth") << 2 << "PN" << 1 << "CP-";
        QTest::newRow("three: back to middle") << 3 << "P" << 1 << "CPN";
        QTest::newRow("three: back to first") << 3 << "PP" << 0 << "C-N";
        QTest::newRow("three: first then next") << 3 << "PPN" << 1 << "CPN";
        QTest::newRow("three: to the end again") << 3 << "PPNN" << 2 << "CP-";
        QTest::newRow("ten: walk down") << 10 << "PPPPPPPPP" << 0 << "C-N";
    }
    void navigation() {
        QFETCH(int, cardCount);
        QFETCH(QString, clicks);
        QFETCH(int, current);
        QFETCH(QString, buttonsAfter);
        QStringList names;
        for (int i = 0; i < cardCount; ++i)
            names << QString("Card %1").arg(i);
        makeBook(names);
        for (QChar c : clicks)
            click(c == 'P' ? frmHuevella->imgPreviousCard : frmHuevella->imgNextCard);
        QCOMPARE(frmHuevella->currentCard, current);
        QCOMPARE(shownTitle(), names[current]);
        QCOMPARE(QString::fromStdString(frmHuevella->lblCaption1->Caption()),
                 QString::fromStdString(ColorToCode(RGBColor(current * 20, 0, 0))));
        QCOMPARE(buttons(), buttonsAfter);
        QVERIFY(frmHuevella->modified);
    }

    void clearCard_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("moves"); // navigation before the clear
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("buttonsAfter");
        const QStringList three = {"Untitled-1", "Untitled-2", "Untitled-3"};
        QTest::newRow("first of three default titles")
            << three << "PP" << QStringList{"Untitled-1", "Untitled-2"} << 0 << "C-N";
        QTest::newRow("middle of three")
            << three << "P" << QStringList{"Untitled-1", "Untitled-2"} << 1 << "CP-";
        QTest::newRow("last of three")
            << three << "" << QStringList{"Untitled-1", "Untitled-2"} << 1 << "CP-";
        QTest::newRow("user titles kept") << QStringList{"Sea", "Dusk", "Moss"} << "PP"
                                          << QStringList{"Dusk", "Moss"} << 0 << "C-N";
        QTest::newRow("titles holding Untitled renumbered")
            << QStringList{"A", "My Untitled blue", "Untitled-7", "untitled"} << "PPP"
            << QStringList{"Untitled-1", "Untitled-2", "untitled"} << 0 << "C-N";
        QTest::newRow("second of two")
            << QStringList{"One", "Two"} << "" << QStringList{"One"} << 0 << "C--";
        QTest::newRow("first of two")
            << QStringList{"One", "Two"} << "P" << QStringList{"Two"} << 0 << "C--";
        QTest::newRow("only card") << QStringList{"Solo"} << "" << QStringList{} << -1 << "---";
    }
    void clearCard() {
        QFETCH(QStringList, before);
        QFETCH(QString, moves);
        QFETCH(QStringList, after);
        QFETCH(int, current);
        QFETCH(QString, buttonsAfter);
        makeBook(before);
        for (QChar c : moves)
            click(c == 'P' ? frmHuevella->imgPreviousCard : frmHuevella->imgNextCard);
        click(frmHuevella->imgBookClearCard);

        auto* f = frmHuevella;
        QCOMPARE(titles(), after);
        QCOMPARE(f->currentCard, current);
        QCOMPARE(buttons(), buttonsAfter);
        if (after.isEmpty()) {
            QVERIFY(shownTitle().isEmpty());
            for (TLabel* l : {f->lblCaption1, f->lblCaption2, f->lblCaption3}) {
                QVERIFY(l->Caption().empty());
                QCOMPARE(l->Color(), BlankColor);
            }
            for (TPanel* p : {f->pnlColor1, f->pnlColor2, f->pnlColor3})
                QCOMPARE(p->Color(), BlankColor);
            QVERIFY(!f->modified);
            QVERIFY(!f->mnuSave->Enabled());
            QVERIFY(!f->mnuSaveAs->Enabled());
        } else {
            QCOMPARE(shownTitle(), after[current]);
            QVERIFY(f->modified);
            QVERIFY(f->mnuSave->Enabled());
            QVERIFY(f->mnuSaveAs->Enabled());
        }
    }

    void clearMovesColoursWithTheirCards() {
        makeBook({"A", "B", "C"});
        click(frmHuevella->imgPreviousCard);
        click(frmHuevella->imgBookClearCard);
        // The former third card now sits at the second place, colours and all.
        QCOMPARE(frmHuevella->cards[1].getColor1(), RGBColor(40, 0, 0));
        QCOMPARE(frmHuevella->pnlColor1->Color(), RGBColor(40, 0, 0));
        QCOMPARE(frmHuevella->lblCaption1->Color(), FilledCaptionColor);
    }

    void clearOnEmptyBookChangesNothing() {
        // The active face is hidden on an empty book; the handler itself
        // must still be harmless.
        frmHuevella->imgBookClearCardClick();
        QCOMPARE(frmHuevella->lastCard, -1);
        QCOMPARE(buttons(), QString("---"));
        QVERIFY(!frmHuevella->modified);
    }

    void disabledFacesDoNothing() {
        makeBook({"A", "B"});
        QTest::mouseClick(frmHuevella->imgNextCardDisabled, Qt::LeftButton);
        QCOMPARE(frmHuevella->currentCard, 1);
        QCOMPARE(buttons(), QString("CP-"));
    }

    void rightClickIsNoClick() {
        makeBook({"A", "B"});
        QTest::mouseClick(frmHuevella->imgPreviousCard, Qt::RightButton);
        QCOMPARE(frmHuevella->currentCard, 1);
    }
};

HUEVELLA_TEST_MAIN(TestBookWindow)
#include "tst_bookwindow.moc"
