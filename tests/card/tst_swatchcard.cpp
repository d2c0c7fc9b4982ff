#include "BookFixture.h"

#include "card/TfrmSwatchCard.h"
#include "slider/TfrmMivoSlider.h"

#include <QTemporaryDir>

using namespace bookfixture;

// The working card: slots from the Pallet, the slider's place, and adding
// cards to the book up to ten.
class TestSwatchCard : public QObject, WindowSetFixture {
    Q_OBJECT

    QTemporaryDir dir;

    static TPanel* panel(int n) {
        return n == 1   ? frmSwatchCard->pnlCardColor1
               : n == 2 ? frmSwatchCard->pnlCardColor2
                        : frmSwatchCard->pnlCardColor3;
    }
    static TLabel* caption(int n) {
        return n == 1   ? frmSwatchCard->lblCardCaption1
               : n == 2 ? frmSwatchCard->lblCardCaption2
                        : frmSwatchCard->lblCardCaption3;
    }
    static bool buttonsEnabled() {
        auto* c = frmSwatchCard;
        const bool clear = enabled(c->imgCardClearCard, c->imgCardClearCardDisabled);
        const bool add = enabled(c->imgAddToBook, c->imgAddToBookDisabled);
        return clear && add;
    }
    static bool buttonsDisabled() {
        auto* c = frmSwatchCard;
        // Disabled: the disabled face visible and lying above its twin.
        const auto kids = c->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const auto above = [&](QWidget* top, QWidget* below) {
            return top->isVisible() &&
                   (!below->isVisible() || kids.indexOf(top) > kids.indexOf(below));
        };
        return above(c->imgCardClearCardDisabled, c->imgCardClearCard) &&
               above(c->imgAddToBookDisabled, c->imgAddToBook);
    }
    // What a click on a palette, scheme or picker colour leaves behind.
    static void handOver(TColor color) {
        frmHuevella->pallet.SetColor(color);
        frmHuevella->pallet.SetCode(ColorToCode(color));
    }
    static void fill(int n, TColor color) {
        handOver(color);
        QTest::mouseClick(panel(n), Qt::LeftButton);
    }
    static void add() { frmSwatchCard->imgAddToBookClick(); }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        frmSwatchCard->Show();
    }
    void cleanup() {
        QCOMPARE(desk().unexpectedMessageBoxes, 0);
        destroyWindows();
    }

    void startsEmptyAndDisabled() {
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(panel(n)->Color(), BlankColor);
            QVERIFY(caption(n)->Caption().empty());
            QCOMPARE(caption(n)->Color(), BlankColor);
            QCOMPARE(panel(n)->toolTip(), QString("Right Click to Adjust Color"));
            QCOMPARE(caption(n)->toolTip(), QString("Click to Copy"));
        }
        QVERIFY(buttonsDisabled());
        QCOMPARE(frmSwatchCard->pos(), frmHuevella->pos() + QPoint(0, -103));
        QCOMPARE(frmSwatchCard->imgAddToBook->geometry(), QRect(157, 0, 23, 17));
        QCOMPARE(frmSwatchCard->pnlCardColor3->geometry(), QRect(126, 31, 54, 67));
    }

    void clickBeforeAnyColourGivesWhite() {
        QTest::mouseMove(panel(2), QPoint(5, 5));
        QCOMPARE(panel(2)->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(panel(2), Qt::LeftButton);
        QCOMPARE(panel(2)->Color(), 0xFFFFFF);
        QVERIFY(caption(2)->Caption().empty());
        QCOMPARE(caption(2)->Color(), 0xFFFFFF);
        QVERIFY(buttonsDisabled());
    }

    void fillsFromThePallet_data() {
        QTest::addColumn<int>("slot");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }
    void fillsFromThePallet() {
        QFETCH(int, slot);
        handOver(0x3399FF);
        QTest::mouseMove(panel(slot), QPoint(5, 5));
        QCOMPARE(panel(slot)->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(panel(slot)->cursor().hotSpot(), QPoint(0, 16));
        QTest::mouseClick(panel(slot), Qt::LeftButton);
        QCOMPARE(panel(slot)->Color(), 0x3399FF);
        QCOMPARE(caption(slot)->Caption(), std::string("FF9933"));
        QCOMPARE(caption(slot)->Color(), 0xFFFFFF);
        QVERIFY(buttonsEnabled());
        // The book is not touched.
        QCOMPARE(frmHuevella->lastCard, -1);
        QVERIFY(!frmHuevella->modified);
    }

    void rightClickOpensTheSlider_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("offset");
        QTest::newRow("1") << 1 << 36;
        QTest::newRow("2") << 2 << 96;
        QTest::newRow("3") << 3 << 156;
    }
    void rightClickOpensTheSlider() {
        QFETCH(int, slot);
        QFETCH(int, offset);
        QTest::mouseClick(panel(slot), Qt::RightButton);
        QVERIFY2(!frmMivoSlider->Visible(), "an empty slot opens nothing");
        fill(slot, 0x00FF00);
        QTest::mouseClick(panel(slot), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!frmMivoSlider->Visible());
        QTest::mousePress(panel(slot), Qt::RightButton);
        QVERIFY(frmMivoSlider->Visible());
        QCOMPARE(frmMivoSlider->pos(), frmSwatchCard->pos() + QPoint(offset, -25));
        QCOMPARE(frmMivoSlider->targetPanel, panel(slot));
        QCOMPARE(frmMivoSlider->targetCaption, caption(slot));
    }

    void captionsToClipboard() {
        fill(1, 0x0000FF);
        QTest::mouseClick(caption(1), Qt::LeftButton);
        QCOMPARE(desk().clipboard, QString("FF0000"));
        QTest::mouseClick(caption(3), Qt::LeftButton);
        QCOMPARE(desk().clipboard, QString(""));
    }

    void clearCardEmptiesTheSlots() {
        fill(1, 0x0000FF);
        fill(3, 0x00FF00);
        QTest::mouseClick(frmSwatchCard->imgCardClearCard, Qt::LeftButton);
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(panel(n)->Color(), BlankColor);
            QVERIFY(caption(n)->Caption().empty());
            QCOMPARE(caption(n)->Color(), BlankColor);
        }
        QVERIFY(buttonsDisabled());
    }

    void adding_data() {
        QTest::addColumn<int>("adds");
        QTest::addColumn<bool>("saveTargetKnown");
        QTest::addColumn<QString>("buttonsAfter");
        QTest::newRow("first card") << 1 << false << "C--";
        QTest::newRow("second card") << 2 << false << "CP-";
        QTest::newRow("tenth card") << 10 << true << "CP-";
    }
    void adding() {
        QFETCH(int, adds);
        QFETCH(bool, saveTargetKnown);
        QFETCH(QString, buttonsAfter);
        frmHuevella->saveTargetKnown = saveTargetKnown;
        fill(1, 0x0000FF);
        fill(3, 0x00FF00);
        for (int i = 0; i < adds; ++i) {
            QVERIFY(frmSwatchCard->imgAddToBook->Visible());
            QTest::mouseClick(frmSwatchCard->imgAddToBook, Qt::LeftButton);
        }
        auto* f = frmHuevella;
        QCOMPARE(f->lastCard, adds - 1);
        QCOMPARE(f->currentCard, adds - 1);
        const Huevella& card = f->cards[adds - 1];
        QCOMPARE(card.getTitle(), "Untitled-" + std::to_string(adds));
        QCOMPARE(card.getColor1(), 0x0000FF);
        QCOMPARE(card.getCaption1(), std::string("FF0000"));
        QCOMPARE(card.getCaptionColor1(), 0xFFFFFF);
        // The empty slot goes in as it is.
        QCOMPARE(card.getColor2(), BlankColor);
        QVERIFY(card.getCaption2().empty());
        QCOMPARE(card.getCaptionColor2(), BlankColor);
        QCOMPARE(f->lblCardTitle->Caption(), card.getTitle());
        QCOMPARE(f->pnlColor3->Color(), 0x00FF00);
        QCOMPARE(f->lblCaption1->Caption(), std::string("FF0000"));
        QCOMPARE(buttons(), buttonsAfter);
        QVERIFY(f->modified);
        QCOMPARE(f->mnuSave->Enabled(), saveTargetKnown);
        QVERIFY(f->mnuSaveAs->Enabled());
        // The working card keeps its slots and its buttons.
        QCOMPARE(caption(1)->Caption(), std::string("FF0000"));
        QVERIFY(buttonsEnabled());
        if (adds >= 2) QCOMPARE(f->cards[0].getColor1(), f->cards[1].getColor1());
    }

    // The eleventh card. Columns: the answer to the ten-card question, to
    // the save question, the Save As dialog, whether the book is emptied.
    void eleventhCard_data() {
        QTest::addColumn<MessageAnswer>("newBook");
        QTest::addColumn<std::optional<MessageAnswer>>("save"); // nothing: not asked
        QTest::addColumn<QString>("dialog"); // "-" not shown, "" cancelled, else a file
        QTest::addColumn<bool>("emptied");
        QTest::addColumn<bool>("written");
        QTest::newRow("no new book")
            << MessageAnswer::No << std::optional<MessageAnswer>() << "-" << false << false;
        QTest::newRow("new book, cancel")
            << MessageAnswer::Yes << std::optional(MessageAnswer::Cancel) << "-" << false << false;
        QTest::newRow("new book, no save")
            << MessageAnswer::Yes << std::optional(MessageAnswer::No) << "-" << true << false;
        QTest::newRow("new book, save") << MessageAnswer::Yes << std::optional(MessageAnswer::Yes)
                                        << "full.hvz" << true << true;
        QTest::newRow("new book, dialog cancelled")
            << MessageAnswer::Yes << std::optional(MessageAnswer::Yes) << "" << true << false;
        QTest::newRow("new book, save fails")
            << MessageAnswer::Yes << std::optional(MessageAnswer::Yes) << "no/such/dir/full.hvz"
            << false << false;
    }
    void eleventhCard() {
        QFETCH(MessageAnswer, newBook);
        QFETCH(std::optional<MessageAnswer>, save);
        QFETCH(QString, dialog);
        QFETCH(bool, emptied);
        QFETCH(bool, written);
        fill(2, 0x123456);
        for (int i = 0; i < 10; ++i)
            add();
        frmHuevella->modified = false;
        desk().messageBoxAnswers = {newBook};
        if (save) desk().messageBoxAnswers.push_back(*save);
        if (dialog != "-")
            desk().fileDialogAnswers.push_back(dialog.isEmpty() ? std::optional<QString>()
                                                                : dir.filePath(dialog));
        const bool fails = dialog.contains('/');
        if (fails) desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        add();

        const auto& boxes = desk().messageBoxes;
        QCOMPARE(boxes.at(0).text, QString("Only ten cards are permitted in each huevella.\n Do "
                                           "you wish to open a new book?"));
        QCOMPARE(boxes[0].caption, QString("Brindlemark"));
        QVERIFY(boxes[0].buttons == MessageButtons::YesNo && boxes[0].icon == MessageIcon::Warning);
        if (save) {
            QCOMPARE(boxes.at(1).text, QString("Save changes to huevella?"));
            QCOMPARE(boxes[1].caption, QString("Brindlemark"));
            QVERIFY(boxes[1].buttons == MessageButtons::YesNoCancel &&
                    boxes[1].icon == MessageIcon::Warning);
        }
        auto* f = frmHuevella;
        if (written) {
            QFile file(dir.filePath(dialog));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray text = file.readAll();
            QVERIFY(text.startsWith("9\r\n"));
            QVERIFY(text.endsWith("Untitled-10\r\n"));
            QVERIFY(f->fileName.empty()); // the flags and name are not updated
        }
        if (emptied) {
            QCOMPARE(f->lastCard, -1);
            QCOMPARE(f->currentCard, -1);
            QCOMPARE(buttons(), QString("---"));
            QVERIFY(!f->modified && !f->saveTargetKnown && !f->openedFromFile);
            QVERIFY(!f->mnuSave->Enabled() && !f->mnuSaveAs->Enabled());
            QVERIFY(f->lblCardTitle->Caption().empty());
            // The working card keeps its colours; the next click adds card 1.
            QCOMPARE(caption(2)->Caption(), std::string("563412"));
            add();
            QCOMPARE(f->lastCard, 0);
            QCOMPARE(f->cards[0].getTitle(), std::string("Untitled-1"));
        } else {
            QCOMPARE(f->lastCard, 9);
            QCOMPARE(f->cards[9].getTitle(), std::string("Untitled-10"));
            QVERIFY(f->modified);
        }
    }
};

HUEVELLA_TEST_MAIN(TestSwatchCard)
#include "tst_swatchcard.moc"
