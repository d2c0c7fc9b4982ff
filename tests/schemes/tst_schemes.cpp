#include "TestMain.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "palette/TfrmColorPalette.h"
#include "schemes/TfrmSuggestSchemes.h"

#include <QScrollBar>

// The suggested schemes: the twelve colours after the palette's, the
// window's place, and a colour taken to the working card.
class TestSchemes : public QObject, WindowSetFixture {
    Q_OBJECT

    static QString codes() {
        QStringList out;
        auto* s = frmSuggestSchemes;
        for (TPanel* panel :
             {s->pnlScheme1Color1, s->pnlScheme1Color2, s->pnlScheme1Color3, s->pnlScheme2Color1,
              s->pnlScheme2Color2, s->pnlScheme2Color3, s->pnlScheme3Color1, s->pnlScheme3Color2,
              s->pnlScheme3Color3, s->pnlScheme4Color1, s->pnlScheme4Color2, s->pnlScheme4Color3})
            out << QString::fromStdString(ColorToCode(panel->Color()));
        return out.join(' ');
    }
    // The palette at this hue, saturation and luminance, typed as a user
    // would into its edits.
    static void paletteAt(int hue, int sat, int lum) {
        auto* p = frmColorPalette;
        for (auto [edit, value] :
             {std::pair{p->editHue, hue}, {p->editSat, sat}, {p->editLum, lum}}) {
            edit->setText(QString::number(value));
            QTest::keyClick(edit, Qt::Key_End);
        }
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        frmColorPalette->Show();
    }
    void cleanup() { destroyWindows(); }

    void layout() {
        auto* s = frmSuggestSchemes;
        QVERIFY(!s->Visible());
        QCOMPARE(s->size(), QSize(144, 62));
        QCOMPARE(s->pos(), frmColorPalette->pos() + QPoint(42, -61));
        QCOMPARE(s->ScrollBox1->geometry(), QRect(6, 17, 132, 39));
        QCOMPARE(s->ScrollBox1->Content()->size(), QSize(111, 147));
        QCOMPARE(s->pnlScheme4Color3Outline->geometry(), QRect(78, 112, 33, 32));
        QCOMPARE(s->pnlScheme4Color3->geometry(), QRect(79, 113, 31, 30));
        QCOMPARE(s->pnlScheme2Color1Outline->Color(), 13024187);
        s->Show();
        QTRY_VERIFY(s->ScrollBox1->verticalScrollBar()->isVisible());
        QVERIFY(!s->ScrollBox1->horizontalScrollBar()->isVisible());
        // One row at a time; the user scrolls to the fourth.
        QCOMPARE(s->ScrollBox1->verticalScrollBar()->value(), 0);
        QVERIFY(s->ScrollBox1->viewport()->height() >= 36);
    }

    // Codes as `hvz hsl` gives them for each hue, saturation and luminance:
    // for hue 200, saturation 50, luminance 50 the schemes add (20, 50, 80),
    // (200, 50, 92), (345, 50, 40), (55, 50, 92), (80, 50, 50), (200, 50, 90),
    // (320, 50, 92) and (80, 50, 82).
    void schemes_data() {
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("sat");
        QTest::addColumn<int>("lum");
        QTest::addColumn<QString>("codes");
        QTest::newRow("hue 200, 50, 50") << 200 << 50 << 50
                                         << "3F94BF E5C3B2 E0EEF4 3F94BF 99324C F4F3E0 3F94BF "
                                            "94BF3F D8E9F2 3F94BF F4E0EE D8E8BA";
        QTest::newRow("saturation 0: greys") << 200 << 0 << 50
                                             << "7F7F7F CCCCCC EAEAEA 7F7F7F 666666 EAEAEA 7F7F7F "
                                                "7F7F7F E5E5E5 7F7F7F EAEAEA D1D1D1";
        QTest::newRow("luminance 100: all white") << 30 << 60 << 100
                                                  << "FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF "
                                                     "FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF";
        QTest::newRow("luminance 0: all black") << 30 << 60 << 0
                                                << "000000 000000 000000 000000 000000 000000 "
                                                   "000000 000000 000000 000000 000000 000000";
    }
    void schemes() {
        QFETCH(int, hue);
        QFETCH(int, sat);
        QFETCH(int, lum);
        QFETCH(QString, codes);
        paletteAt(hue, sat, lum);
        QCOMPARE(this->codes(), codes);
    }

    // A palette drag updates the schemes whether they are shown or not.
    void theSchemesFollowThePalette() {
        QVERIFY(!frmSuggestSchemes->Visible());
        frmColorPalette->hue = 210;
        frmColorPalette->sat = 100;
        frmColorPalette->lum = 60;
        frmColorPalette->RecomputeFromHsl();
        frmColorPalette->ShowModel();
        frmColorPalette->tellColour();
        QVERIFY(codes().startsWith("3399FF "));
        const QString before = codes();
        QTest::keyClick(frmColorPalette->editHex, Qt::Key_End); // the same colour again
        QCOMPARE(codes(), before);
        paletteAt(20, 100, 60);
        QVERIFY(codes() != before);
    }

    void luminanceEdges_data() {
        QTest::addColumn<int>("lum");
        QTest::addColumn<int>("scheme3colour3");
        QTest::newRow("60 gives white") << 60 << 100;
        QTest::newRow("61 gives near black") << 61 << 1;
        QTest::newRow("5 keeps 5") << 5 << 5;
    }
    void luminanceEdges() {
        QFETCH(int, lum);
        QFETCH(int, scheme3colour3);
        paletteAt(120, 70, lum);
        QCOMPARE(frmSuggestSchemes->pnlScheme3Color3->Color(),
                 HslToColor(float(scheme3colour3), 70, 120));
    }

    void aClickBeforeAnySchemeHandsWhite() {
        QVERIFY(!frmSwatchCard->Visible());
        QTest::mouseClick(frmSuggestSchemes->pnlScheme2Color3, Qt::LeftButton);
        QVERIFY(frmSwatchCard->Visible());
        QCOMPARE(frmHuevella->pallet.GetColor(), clWhite);
        QCOMPARE(frmHuevella->pallet.GetCode(), std::string("FFFFFF"));
    }

    void aClickHandsTheColour_data() {
        QTest::addColumn<QString>("panel");
        for (int s = 1; s <= 4; ++s)
            for (int c = 1; c <= 3; ++c)
                QTest::addRow("scheme %d colour %d", s, c)
                    << QString("pnlScheme%1Color%2").arg(s).arg(c);
    }
    void aClickHandsTheColour() {
        QFETCH(QString, panel);
        paletteAt(200, 50, 50);
        auto* target = frmSuggestSchemes->findChild<TPanel*>(panel);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(frmHuevella->pallet.GetColor(), target->Color());
        QCOMPARE(frmHuevella->pallet.GetCode(), ColorToCode(target->Color()));
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QCOMPARE(target->cursor().shape(), Qt::BitmapCursor);
    }

    void theBulbOpensTheSchemesUpToDate() {
        paletteAt(100, 40, 30);
        frmColorPalette->hue = 300; // changed behind the schemes' back
        QTest::mouseClick(frmColorPalette->imgSuggestSchemes, Qt::LeftButton);
        QVERIFY(frmSuggestSchemes->Visible());
        QCOMPARE(frmSuggestSchemes->pnlScheme1Color3->Color(), HslToColor(88, 40, 300));
        QTest::mouseClick(frmColorPalette->imgSuggestSchemes, Qt::LeftButton);
        QVERIFY(!frmSuggestSchemes->Visible());
    }

    void theWindowFollowsABookDrag() {
        frmSuggestSchemes->Show();
        desk().dragOffsets.push_back(QPoint(-120, -50));
        QTest::mousePress(frmHuevella->imgBookSkin, Qt::LeftButton, {}, QPoint(90, 10));
        QCOMPARE(frmSuggestSchemes->pos(), frmColorPalette->pos() + QPoint(42, -61));
        QCOMPARE(frmColorPalette->pos(), frmHuevella->pos() + QPoint(185, 20));
        QVERIFY(frmSuggestSchemes->Visible());
    }
};

HUEVELLA_TEST_MAIN(TestSchemes)
#include "tst_schemes.moc"
