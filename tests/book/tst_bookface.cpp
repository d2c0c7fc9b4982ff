#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "schemes/TfrmSuggestSchemes.h"
#include "slider/TfrmMivoSlider.h"

#include <QMenu>

// The book window's face: its layout, dragging it with its companions, the
// captions' codes to the clipboard and the title edited in place.
class TestBookFace : public QObject, WindowSetFixture {
    Q_OBJECT

    static QList<TForm*> companions() {
        return {frmScreenPicker, frmSwatchCard, frmColorPalette, frmSuggestSchemes};
    }

    static void addCards(const QStringList& titles) {
        auto* f = frmHuevella;
        for (int i = 0; i < titles.size(); ++i) {
            f->cards[i].setTitle(titles[i].toStdString());
            f->cards[i].setCaption1("00FF00");
            f->cards[i].setColor1(0x00FF00);
        }
        f->lastCard = int(titles.size()) - 1;
        f->currentCard = 0;
        f->showCard();
        f->setClearCardEnabled(true);
        f->setNextCardEnabled(f->lastCard > 0);
    }

    static void pressSkin(Qt::MouseButton button) {
        QTest::mousePress(frmHuevella->imgBookSkin, button, {}, QPoint(90, 10));
        QTest::mouseRelease(frmHuevella->imgBookSkin, button, {}, QPoint(90, 10));
    }

    static void typeTitle(const QString& text) {
        QTest::keyClick(frmHuevella->editCardTitle, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(frmHuevella->editCardTitle, text);
        QTest::keyClick(frmHuevella->editCardTitle, Qt::Key_Return);
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
    }
    void cleanup() { destroyWindows(); }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("visible");
        auto row = [](const char* n, int l, int t, int w, int h, const char* hint, bool v) {
            QTest::newRow(n) << QString(n) << QRect(l, t, w, h) << QString(hint) << v;
        };
        row("imgBookSkin", 0, 0, 186, 124, "", true);
        row("lblCaption1", 6, 37, 54, 15, "Click to Copy", true);
        row("lblCaption2", 66, 37, 54, 15, "Click to Copy", true);
        row("lblCaption3", 126, 37, 54, 15, "Click to Copy", true);
        row("lblCardTitle", 51, 20, 86, 16, "", true);
        row("imgEyedropper", 0, 0, 28, 21, "Drag Eyedropper to Choose Color", true);
        row("imgMenu", 131, 0, 28, 21, "Main Menu", true);
        // Under the "Swatch Card" face of the same button: hidden, not a Tab stop.
        row("imgCollapseCards", 27, 0, 28, 21, "Collapse Cards", false);
        row("imgBookClearCardDisabled", 5, 20, 23, 17, "Clear Card", true);
        row("imgBookClearCard", 5, 20, 23, 17, "Clear Card", false);
        row("imgPreviousCardDisabled", 27, 20, 23, 17, "Previous Card", true);
        row("imgPreviousCard", 27, 20, 23, 17, "Previous Card", false);
        row("imgNextCardDisabled", 136, 20, 23, 17, "Next Card", true);
        row("imgNextCard", 136, 20, 23, 17, "Next Card", false);
        row("imgColorPalette", 158, 0, 28, 21, "Color Palette", true);
        row("imgSwatchCard", 27, 0, 28, 21, "Swatch Card", true);
        row("pnlColor1", 6, 51, 54, 67, "", true);
        row("pnlColor2", 66, 51, 54, 67, "", true);
        row("pnlColor3", 126, 51, 54, 67, "", true);
        row("editCardTitle", 50, 21, 86, 15, "", false);
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, hint);
        QFETCH(bool, visible);
        auto* w = frmHuevella->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->toolTip(), hint);
        QCOMPARE(!w->isHidden(), visible);
        if (auto* image = qobject_cast<TImage*>(w))
            QCOMPARE(image->Picture().size(), geometry.size());
    }

    void stacking() {
        // Later images lie above earlier ones; panels and the edit above all.
        const auto kids = frmHuevella->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const auto at = [&](const char* n) {
            return kids.indexOf(frmHuevella->findChild<QWidget*>(n));
        };
        QVERIFY(at("imgSwatchCard") > at("imgCollapseCards"));
        QVERIFY(at("imgBookClearCard") > at("imgBookClearCardDisabled"));
        QVERIFY(at("lblCaption1") > at("imgBookSkin"));
        for (const char* top : {"pnlColor1", "pnlColor3", "editCardTitle"})
            QVERIFY(at(top) > at("imgSwatchCard"));
        QCOMPARE(frmHuevella->lblCaption3->font().pixelSize(), 11);
        QVERIFY(frmHuevella->lblCaption1->font().family().contains("Arial"));
    }

    void drag_data() {
        QTest::addColumn<QList<bool>>("open"); // picker, card, palette, schemes
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("all open") << QList<bool>{true, true, true, true} << QPoint(-200, -150);
        QTest::newRow("card and palette")
            << QList<bool>{false, true, true, false} << QPoint(-31, 17);
        QTest::newRow("none open") << QList<bool>{false, false, false, false} << QPoint(-300, -200);
        QTest::newRow("back where it began")
            << QList<bool>{true, true, false, true} << QPoint(0, 0);
    }
    void drag() {
        QFETCH(QList<bool>, open);
        QFETCH(QPoint, offset);
        for (int i = 0; i < 4; ++i)
            if (open[i]) companions()[i]->Show();
        frmMivoSlider->move(40, 40);
        frmMivoSlider->Show();
        const QPoint start = frmHuevella->pos();
        QList<bool> hiddenDuringDrag;
        desk().dragOffsets.push_back(offset);
        desk().duringDrag = [&] {
            for (TForm* form : companions())
                hiddenDuringDrag << !form->Visible();
        };
        pressSkin(Qt::LeftButton);

        QCOMPARE(desk().drags, 1);
        QCOMPARE(hiddenDuringDrag, (QList<bool>{true, true, true, true}));
        const QPoint book = start + offset;
        QCOMPARE(frmHuevella->pos(), book);
        QCOMPARE(frmScreenPicker->pos(), book + QPoint(0, 123));
        QCOMPARE(frmSwatchCard->pos(), book + QPoint(0, -103));
        QCOMPARE(frmColorPalette->pos(), book + QPoint(185, 20));
        QCOMPARE(frmSuggestSchemes->pos(), book + QPoint(185 + 42, 20 - 61));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(companions()[i]->Visible(), open[i]);
        QVERIFY(frmMivoSlider->Visible());
        QCOMPARE(frmMivoSlider->pos(), QPoint(40, 40));
    }

    void otherButtonsDoNotDrag_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void otherButtonsDoNotDrag() {
        QFETCH(int, button);
        frmSwatchCard->Show();
        desk().dragOffsets.push_back(QPoint(50, 50));
        const QPoint start = frmHuevella->pos();
        pressSkin(Qt::MouseButton(button));
        QCOMPARE(desk().drags, 0);
        QCOMPARE(frmHuevella->pos(), start);
        QVERIFY(frmSwatchCard->Visible());
    }

    void captionsToClipboard_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first filled") << 1 << "3FBFBF";
        QTest::newRow("second filled") << 2 << "00FF00";
        QTest::newRow("third filled") << 3 << "FF9933";
        QTest::newRow("first empty") << 1 << "";
        QTest::newRow("third empty") << 3 << "";
    }
    void captionsToClipboard() {
        QFETCH(int, slot);
        QFETCH(QString, caption);
        TLabel* label = slot == 1   ? frmHuevella->lblCaption1
                        : slot == 2 ? frmHuevella->lblCaption2
                                    : frmHuevella->lblCaption3;
        label->setCaption(caption.toStdString());
        desk().clipboard = "something else";
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(desk().clipboard, caption);
    }

    void titleClickOnEmptyBookOpensNothing() {
        QTest::mouseClick(frmHuevella->lblCardTitle, Qt::LeftButton);
        QVERIFY(!frmHuevella->editCardTitle->Visible());
    }

    void titleEdit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("modified");
        QTest::newRow("new title") << "Evening walk"
                                   << "Evening walk" << true;
        QTest::newRow("leading blanks dropped") << "   Dusk"
                                                << "Dusk" << true;
        QTest::newRow("empty keeps old") << ""
                                         << "Untitled-1" << false;
        QTest::newRow("blanks keep old") << "    "
                                         << "Untitled-1" << false;
        QTest::newRow("unchanged") << "Untitled-1"
                                   << "Untitled-1" << false;
        QTest::newRow("limited to 18") << "abcdefghijklmnopqrstuvwxyz"
                                       << "abcdefghijklmnopqr" << true;
        QTest::newRow("inner blanks kept") << "a  b"
                                           << "a  b" << true;
        // The widest 18 bytes: seen whole as typed, and on the bar.
        QTest::newRow("wide letters") << QString(18, 'W') << QString(18, 'W') << true;
        QTest::newRow("wide Cyrillic")
            << QString(9, QChar(0x428)) << QString(9, QChar(0x428)) << true;
        QTest::newRow("full-width")
            << QString(6, QChar(0xFF37)) << QString(6, QChar(0xFF37)) << true;
        QTest::newRow("words") << "Sunset over water"
                               << "Sunset over water" << true;
    }
    void titleEdit() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, modified);
        addCards({"Untitled-1"});
        QTest::mouseClick(frmHuevella->lblCardTitle, Qt::LeftButton);
        QVERIFY(frmHuevella->editCardTitle->Visible());
        QCOMPARE(frmHuevella->editCardTitle->Text(), std::string("Untitled-1"));
        QCOMPARE(frmHuevella->editCardTitle->selectedText(), QString("Untitled-1"));
        TEdit* edit = frmHuevella->editCardTitle;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        for (const QChar letter : typed) // typed as a keyboard layout gives it
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), {});
        // Nothing scrolled out: with the caret at the end, the first letter
        // is still at the left edge, and the last one before the right.
        QCOMPARE(edit->cursorPositionAt(QPoint(2, edit->height() / 2)), 0);
        QCOMPARE(edit->cursorPositionAt(QPoint(edit->width() - 2, edit->height() / 2)),
                 edit->text().size());
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!frmHuevella->editCardTitle->Visible());
        TLabel* shown = frmHuevella->lblCardTitle;
        QVERIFY(QFontMetricsF(shown->ShownFont(), shown).horizontalAdvance(shown->ShownText()) <=
                shown->width());
        QCOMPARE(QString::fromStdString(frmHuevella->cards[0].getTitle()), stored);
        QCOMPARE(QString::fromStdString(frmHuevella->lblCardTitle->Caption()), stored);
        QCOMPARE(frmHuevella->modified, modified);
        QCOMPARE(frmHuevella->mnuSave->Enabled(), modified);
    }

    // What the box shows is what the book holds: Enter, Tab and a click
    // elsewhere keep the text typed, Escape puts the title back; the box
    // closes each time.
    void howATitleEditEnds_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("first"); // the first card's title after
        QTest::addColumn<int>("shown");     // the card shown after
        QTest::newRow("Enter") << "Enter"
                               << "Renamed" << 0;
        QTest::newRow("Escape") << "Escape"
                                << "One" << 0;
        QTest::newRow("Tab") << "Tab"
                             << "Renamed" << 0;
        QTest::newRow("a click on Next Card") << "Next"
                                              << "Renamed" << 1;
    }
    void howATitleEditEnds() {
        QFETCH(QString, ending);
        QFETCH(QString, first);
        QFETCH(int, shown);
        addCards({"One", "Two"});
        frmHuevella->Show();
        QApplication::setActiveWindow(frmHuevella);
        QTest::mouseClick(frmHuevella->lblCardTitle, Qt::LeftButton);
        QTest::keyClicks(frmHuevella->editCardTitle, "Renamed");
        if (ending == "Enter") QTest::keyClick(frmHuevella->editCardTitle, Qt::Key_Return);
        if (ending == "Escape") QTest::keyClick(frmHuevella->editCardTitle, Qt::Key_Escape);
        if (ending == "Tab") QTest::keyClick(frmHuevella->editCardTitle, Qt::Key_Tab);
        if (ending == "Next") QTest::mouseClick(frmHuevella->imgNextCard, Qt::LeftButton);
        QVERIFY(!frmHuevella->editCardTitle->Visible());
        QCOMPARE(QString::fromStdString(frmHuevella->cards[0].getTitle()), first);
        QCOMPARE(frmHuevella->cards[1].getTitle(), std::string("Two"));
        QCOMPARE(frmHuevella->currentCard, shown);
        QCOMPARE(frmHuevella->lblCardTitle->Caption(), frmHuevella->cards[shown].getTitle());
    }

    void enterAfterTheBookEmptiedStoresNothing() {
        addCards({"Only"});
        QTest::mouseClick(frmHuevella->lblCardTitle, Qt::LeftButton);
        QTest::mouseClick(frmHuevella->imgBookClearCard, Qt::LeftButton);
        QCOMPARE(frmHuevella->lastCard, -1);
        typeTitle("Orphan");
        QVERIFY(!frmHuevella->editCardTitle->Visible());
        QVERIFY(frmHuevella->lblCardTitle->Caption().empty());
        QVERIFY(!frmHuevella->modified);
        QVERIFY(desk().exceptions.empty());
    }

    void fitTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fitted");
        QTest::newRow("short") << "Sea"
                               << "Sea";
        QTest::newRow("exactly 18") << "123456789012345678"
                                    << "123456789012345678";
        QTest::newRow("19 cut") << "1234567890123456789"
                                << "123456789012345678";
        QTest::newRow("blanks only") << "   "
                                     << "";
        // 17 ASCII bytes and a two-byte letter: the letter does not fit whole.
        QTest::newRow("utf-8 not split") << "12345678901234567é"
                                         << "12345678901234567";
        QTest::newRow("utf-8 fits") << "1234567890123456é"
                                    << "1234567890123456é";
    }
    void fitTitle() {
        QFETCH(QString, title);
        QFETCH(QString, fitted);
        QCOMPARE(QString::fromStdString(BookState::fitTitle(title.toStdString())), fitted);
    }

    // A right click on a code: each form people paste goes to the
    // clipboard; the nearest CSS name where it is close; the contrast with
    // white and black told; an empty slot has no menu.
    void codeMenu_data() {
        QTest::addColumn<int>("rgb");
        QTest::addColumn<QStringList>("copies");
        QTest::addColumn<QString>("contrast");
        QTest::newRow("sea green, named")
            << 0x2E8B57
            << QStringList{"#2E8B57",
                           "rgb(46 139 87)",
                           "rgb(46, 139, 87)",
                           "hsl(146.5 50.3% 36.3%)",
                           "oklch(56.85% 0.1187 154.95)",
                           "lab(51.49 -37.864 19.578)",
                           "lch(51.49 42.626 152.658)",
                           "oklab(56.853% -0.10755 0.05027)",
                           "hwb(146.5 18% 45.5%)",
                           "seagreen"}
            << "Contrast 4.24 on white, 4.94 on black | APCA Lc 69.0 on white, -32.7 on black";
        QTest::newRow("near a name")
            << 0x3366CC
            << QStringList{"#3366CC",
                           "rgb(51 102 204)",
                           "rgb(51, 102, 204)",
                           "hsl(220 60% 50%)",
                           "oklch(53.25% 0.1679 262.29)",
                           "lab(44.121 10.954 -59.086)",
                           "lch(44.121 60.093 280.503)",
                           "oklab(53.248% -0.02251 -0.16635)",
                           "hwb(220 20% 20%)",
                           "royalblue"}
            << "Contrast 5.36 on white, 3.91 on black | APCA Lc 76.3 on white, -25.4 on black";
        QTest::newRow("no name close")
            << 0x336699
            << QStringList{"#336699",
                           "rgb(51 102 153)",
                           "rgb(51, 102, 153)",
                           "hsl(210 50% 40%)",
                           "oklch(49.93% 0.0987 250.43)",
                           "lab(41.521 -4.573 -33.494)",
                           "lch(41.521 33.805 262.225)",
                           "oklab(49.931% -0.03304 -0.09297)",
                           "hwb(210 20% 40%)"}
            << "Contrast 5.99 on white, 3.50 on black | APCA Lc 79.8 on white, -22.1 on black";
        // A slot is empty by its code: the blank slot's colour, taken, is a
        // colour like any other.
        QTest::newRow("the blank colour taken")
            << 0x50505F
            << QStringList{"#50505F",
                           "rgb(80 80 95)",
                           "rgb(80, 80, 95)",
                           "hsl(240 8.6% 34.3%)",
                           "oklch(43.69% 0.0245 285.34)",
                           "lab(34.456 2.614 -8.786)",
                           "lch(34.456 9.167 286.565)",
                           "oklab(43.694% 0.00648 -0.02364)",
                           "hwb(240 31.4% 62.7%)"}
            << "Contrast 7.91 on white, 2.65 on black | APCA Lc 87.5 on white, -14.7 on black";
        QTest::newRow("empty slot") << -1 << QStringList{} << "";
    }
    void codeMenu() {
        QFETCH(int, rgb);
        QFETCH(QStringList, copies);
        QFETCH(QString, contrast);
        auto* f = frmHuevella;
        const TColor color =
            rgb < 0 ? BlankColor : RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        f->pnlColor1->setColor(color);
        f->lblCaption1->setCaption(rgb < 0 ? "" : ColorToCode(color));
        QTest::mouseClick(f->lblCaption1, Qt::RightButton);
        // The left button's copy is not the right button's.
        QVERIFY(desk().clipboard.isEmpty());
        if (copies.isEmpty()) {
            QVERIFY(desk().popups.empty());
            return;
        }
        QCOMPARE(desk().popups.size(), size_t(1));
        QMenu* menu = desk().popups[0].menu;
        QStringList copied, told;
        bool figures = false;
        QMenu* clicks = nullptr;
        for (QAction* action : menu->actions()) {
            figures = figures || action->isSeparator();
            if (action->isSeparator()) continue;
            if (action->menu()) {
                clicks = action->menu();
                continue;
            }
            QVERIFY(action->isEnabled()); // each reached by the arrows
            action->trigger();
            // The contrast lines copy their own figures.
            if (figures) {
                told << action->text();
                QCOMPARE(desk().clipboard, told.last());
                continue;
            }
            copied << desk().clipboard;
            QVERIFY2(action->text().startsWith("Copy " + desk().clipboard),
                     qPrintable(action->text()));
        }
        QCOMPARE(copied, copies);
        QCOMPARE(told.join(" | "), contrast);
        // A click copies the form chosen for it, the six digits first; the
        // choice is kept.
        QVERIFY(clicks);
        const QList<QAction*> choices = clicks->actions();
        QCOMPARE(choices.size(), 9);
        QVERIFY(choices[0]->isChecked());
        choices[5]->trigger();
        QTest::mouseClick(f->lblCaption1, Qt::LeftButton);
        QCOMPARE(desk().clipboard, copies[5]);
        QTest::mouseClick(f->lblCaption1, Qt::RightButton);
        QVERIFY(
            desk().popups.back().menu->findChild<QMenu*>("clickCopies")->actions()[5]->isChecked());
        choices[0]->trigger();
        QTest::mouseClick(f->lblCaption1, Qt::LeftButton);
        QCOMPARE(desk().clipboard, QString::fromStdString(ColorToCode(color)));
    }

    // A designer's faces: each skin's title in the middle of the bar between
    // its buttons, at both scales; the three codes on one line.
    void titlesStandInTheMiddle_data() {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("bar");
        for (const char* scale : {"", "@2x"}) {
            const auto row = [&](const char* name, int from, int to, int bar) {
                QTest::addRow("%s%s", name, scale)
                    << QStringLiteral(":/forms/%1/skin%2.png").arg(name, scale) << from << to
                    << bar;
            };
            row("book", 55, 131, 21);
            row("card", 28, 157, 16);
            row("picker", 0, 186, 16);
            row("palette", 6, 162, 12);
        }
    }
    void titlesStandInTheMiddle() {
        QFETCH(QString, skin);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, bar);
        const QImage image(skin);
        QVERIFY(!image.isNull());
        const int k = image.width() / 186;
        // The letters: far lighter than the bar behind them.
        const int behind = qGray(image.pixel(from * k + 1, 1));
        int left = image.width(), right = -1;
        for (int y = 0; y < bar * k - k; ++y)
            for (int x = from * k; x < to * k; ++x)
                if (qGray(image.pixel(x, y)) > behind + 60) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(right > left);
        const double margins = (left - from * k) - (to * k - 1 - right);
        QVERIFY2(std::abs(margins) <= 1.5 * k,
                 qPrintable(QString("left %1, right %2").arg(left).arg(right)));
    }

    void theCodesShareALine() {
        TLabel* codes[] = {frmHuevella->lblCaption1, frmHuevella->lblCaption2,
                           frmHuevella->lblCaption3};
        for (TLabel* code : codes) {
            code->setCaption("8A8A8A");
            code->setColor(BlankColor);
        }
        const QImage first = codes[0]->grab().toImage();
        QCOMPARE(codes[1]->grab().toImage(), first);
        QCOMPARE(codes[2]->grab().toImage(), first);
    }
};

HUEVELLA_TEST_MAIN(TestBookFace)
#include "tst_bookface.moc"
