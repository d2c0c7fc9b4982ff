#include "TestMain.h"

#include <QClipboard>

#include "book/TfrmHuevella.h"
#include "palette/TfrmColorPalette.h"

// Typing the palette's colour: each key release re-reads its edit.
class TestValueEntry : public QObject, WindowSetFixture {
    Q_OBJECT

    static TfrmColorPalette* p() { return frmColorPalette; }
    TEdit* edit(const QString& name) { return p()->findChild<TEdit*>(name); }
    // Empties the edit as a user would, puts the text in and releases its
    // last key: the handler sees the whole text once.
    void retype(TEdit* target, const QString& text) {
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        {
            // Typed before: only the last key's release counts.
            const QSignalBlocker quiet(target);
            target->insert(text.left(text.size() - 1));
        }
        QTest::keyClicks(target, text.right(1));
    }
    static QString state() {
        return QString("%1 %2 %3 / %4 %5 %6")
            .arg(p()->hue)
            .arg(p()->sat)
            .arg(p()->lum)
            .arg(p()->red)
            .arg(p()->green)
            .arg(p()->blue);
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        p()->Show();
    }
    void cleanup() { destroyWindows(); }

    void entries_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the edit's text afterwards
        QTest::addColumn<QString>("state"); // hue sat lum / red green blue
        QTest::newRow("300 red is 255") << "editRed"
                                        << "300"
                                        << "255"
                                        << "0 100 87 / 255 191 191";
        QTest::newRow("336699") << "editHex"
                                << "336699"
                                << "336699"
                                << "210 50 40 / 51 102 153";
        QTest::newRow("3399FF") << "editHex"
                                << "3399FF"
                                << "3399FF"
                                << "210 100 60 / 51 153 255";
        QTest::newRow("lower case kept") << "editHex"
                                         << "3399ff"
                                         << "3399ff"
                                         << "210 100 60 / 51 153 255";
        QTest::newRow("five digits do nothing") << "editHex"
                                                << "33669"
                                                << "33669"
                                                << "180 50 50 / 63 191 191";
        QTest::newRow("hue 0") << "editHue"
                               << "0"
                               << "0"
                               << "0 50 50 / 191 63 63";
        QTest::newRow("hue 360") << "editHue"
                                 << "360"
                                 << "360"
                                 << "360 50 50 / 191 63 63";
        QTest::newRow("saturation 150") << "editSat"
                                        << "150"
                                        << "100"
                                        << "180 100 50 / 0 255 255";
        QTest::newRow("07 is 7") << "editRed"
                                 << "07"
                                 << "7"
                                 << "180 92 38 / 7 191 191";
        QTest::newRow("negative channel raised") << "editRed"
                                                 << "-5"
                                                 << "0"
                                                 << "180 100 37 / 0 191 191";
        QTest::newRow("negative hue raised") << "editHue"
                                             << "-9"
                                             << "0"
                                             << "0 50 50 / 191 63 63";
        QTest::newRow("negative luminance raised") << "editLum"
                                                   << "-1"
                                                   << "0"
                                                   << "180 50 0 / 0 0 0";
    }
    void entries() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, state);
        retype(this->edit(edit), typed);
        QCOMPARE(QString::fromStdString(this->edit(edit)->Text()), shown);
        QCOMPARE(this->state(), state);
        QVERIFY(desk().exceptions.empty());
        // The rest of the window shows the new colour.
        QCOMPARE(p()->pnlSwatch->Color(), p()->paletteColor);
        if (typed.size() != 5) QCOMPARE(p()->editHex->Text(), p()->hexCode);
    }

    void hueMarkerEnds() {
        retype(p()->editHue, "0");
        QCOMPARE(p()->hueMarkerX, 0);
        const TColor at0 = p()->paletteColor;
        retype(p()->editHue, "360");
        QCOMPARE(p()->hueMarkerX, 160);
        QCOMPARE(p()->paletteColor, at0);
    }

    // Typing "300" key by key passes through 3 and 30 on the way; a lone
    // "-" on the way to a negative number is a conversion error.
    void everyKeyReleaseCounts() {
        retype(p()->editRed, "3");
        QCOMPARE(p()->red, 3);
        QTest::keyClick(p()->editRed, Qt::Key_0);
        QCOMPARE(p()->red, 30);
        QTest::keyClick(p()->editRed, Qt::Key_0);
        QCOMPARE(p()->editRed->Text(), std::string("255"));
        retype(p()->editGreen, "");
        QTest::keyClicks(p()->editGreen, "-7");
        QCOMPARE(desk().exceptions, std::vector<QString>{"'-' is not a valid integer value"});
        QCOMPARE(p()->editGreen->Text(), std::string("0"));
        QCOMPARE(p()->green, 0);
    }

    void anArrowKeyRedisplaysTheSameColour() {
        QTest::keyClick(p()->editHue, Qt::Key_Left);
        QCOMPARE(state(), QString("180 50 50 / 63 191 191"));
        // A key-up that leaves its edit as shown enters nothing, in a
        // channel or the code too.
        for (TEdit* e : {p()->editRed, p()->editHex}) {
            QTest::keyClick(e, Qt::Key_Tab);
            QCOMPARE(state(), QString("180 50 50 / 63 191 191"));
        }
    }

    // A code typed and then Tab through every edit, round and round: the
    // colour stays what was typed (it used to drift a step at each H, S, L).
    void tabbingNeverDrifts_data() {
        QTest::addColumn<QString>("code");
        QTest::newRow("336699") << "336699";
        QTest::newRow("C0FFEE") << "C0FFEE";
        QTest::newRow("808080") << "808080";
    }
    void tabbingNeverDrifts() {
        QFETCH(QString, code);
        retype(p()->editHex, code);
        QCOMPARE(QString::fromStdString(p()->hexCode), code);
        // Tab pressed in one edit and released in the next, as a hand does.
        TEdit* order[] = {p()->editHex, p()->editHue,   p()->editSat, p()->editLum,
                          p()->editRed, p()->editGreen, p()->editBlue};
        for (int round = 0; round < 3; ++round)
            for (int i = 0; i < 7; ++i) {
                QTest::keyPress(order[i], Qt::Key_Tab);
                QTest::keyRelease(order[(i + 1) % 7], Qt::Key_Tab);
            }
        QCOMPARE(QString::fromStdString(p()->hexCode), code);
        QCOMPARE(QString::fromStdString(ColorToCode(p()->paletteColor)), code);
    }

    // What the mouse puts in an edit is entered as a typed text is:
    // clamped, taken, and a code with its # and spaces.
    void mousePasteIsAnEntry_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("code with #") << "editHex"
                                     << "#3366CC"
                                     << "3366CC"
                                     << "3366CC";
        QTest::newRow("code with spaces") << "editHex"
                                          << " 3366cc "
                                          << "3366cc"
                                          << "3366cc";
        QTest::newRow("channel") << "editRed"
                                 << "200"
                                 << "C8BFBF"
                                 << "200";
        QTest::newRow("channel clamped") << "editRed"
                                         << "632"
                                         << "FFBFBF"
                                         << "255";
    }
    void mousePasteIsAnEntry() {
        QFETCH(QString, edit);
        QFETCH(QString, pasted);
        QFETCH(QString, code);
        QFETCH(QString, shown);
        TEdit* target = this->edit(edit);
        target->selectAll();
        QApplication::clipboard()->setText(pasted);
        target->paste();
        QVERIFY(desk().exceptions.empty());
        QCOMPARE(QString::fromStdString(p()->hexCode), code);
        QCOMPARE(QString::fromStdString(target->Text()), shown);
        QCOMPARE(QString::fromStdString(ColorToCode(p()->pnlSwatch->Color())), code.toUpper());
    }

    // A key pressed in an edit whose release lands elsewhere (the focus moved
    // to the swatch, or the press hid the window) is let go of: a later
    // mouse entry is still taken, clamped, in every edit.
    void keysReleasedElsewhereLetGo_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Tab onto the swatch") << "tab";
        QTest::newRow("Escape hides the palette") << "escape";
        QTest::newRow("released on another window") << "window";
    }
    void keysReleasedElsewhereLetGo() {
        QFETCH(QString, how);
        if (how == "tab") {
            p()->editBlue->setFocus();
            QTest::keyPress(p()->editBlue, Qt::Key_Tab);
            QTest::keyRelease(p()->pnlSwatch, Qt::Key_Tab);
        } else if (how == "escape") {
            p()->editHue->setFocus();
            QTest::keyPress(p()->editHue, Qt::Key_Escape);
            QVERIFY(!p()->Visible());
            p()->Show();
        } else {
            QTest::keyPress(p()->editLum, Qt::Key_A);
            QTest::keyRelease(frmHuevella, Qt::Key_A);
        }
        QApplication::clipboard()->setText("336699");
        p()->editHex->selectAll();
        p()->editHex->paste();
        QCOMPARE(QString::fromStdString(ColorToCode(p()->pnlSwatch->Color())), QString("336699"));
        QApplication::clipboard()->setText("632");
        p()->editRed->selectAll();
        p()->editRed->paste();
        QCOMPARE(QString::fromStdString(p()->editRed->Text()), QString("255"));
        QCOMPARE(QString::fromStdString(p()->hexCode), QString("FF6699"));
    }

    // What is not a code is still refused, the offending character named
    // whole; a code with a character beyond ASCII is never passed over.
    void wrongCodesAreNamed_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("error");
        QTest::newRow("letter") << "3366CG"
                                << "'G' is not a valid integer value";
        QTest::newRow("accent") << QString::fromUtf8("1234\u00e95")
                                << QString::fromUtf8("'\u00e9' is not a valid integer value");
        QTest::newRow("# not first") << "3366C#"
                                     << "'#' is not a valid integer value";
    }
    void wrongCodesAreNamed() {
        QFETCH(QString, typed);
        QFETCH(QString, error);
        p()->editHex->setMaxBytes(0);
        retype(p()->editHex, typed);
        QCOMPARE(desk().exceptions, std::vector<QString>{error});
        QCOMPARE(state(), QString("180 50 50 / 63 191 191"));
    }

    void rewritingLeavesTheCaretAlone() {
        p()->editSat->setFocus();
        p()->editSat->setCursorPosition(1);
        QTest::keyClick(p()->editSat, Qt::Key_Shift);
        QCOMPARE(p()->editSat->cursorPosition(), 1);
    }

    void conversionErrors_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "editRed"
                                 << "a"
                                 << "'a' is not a valid integer value";
        QTest::newRow("lone minus") << "editSat"
                                    << "-"
                                    << "'-' is not a valid integer value";
        QTest::newRow("too large") << "editLum"
                                   << "99999999999"
                                   << "'99999999999' is not a valid integer value";
        QTest::newRow("hex letter") << "editHex"
                                    << "33g9ff"
                                    << "'g' is not a valid integer value";
    }
    void conversionErrors() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TEdit* target = this->edit(edit);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        target->insert(typed.left(typed.size() - 1));
        desk().exceptions.clear();
        QTest::keyClicks(target, typed.right(1));
        QCOMPARE(desk().exceptions, std::vector<QString>{message});
        QCOMPARE(state(), QString("180 50 50 / 63 191 191"));
        QCOMPARE(QString::fromStdString(target->Text()), typed);
        // Enter dismissed the box; its release reaches the edit, which did
        // not see it pressed: no second box.
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(target, &release);
        QCOMPARE(desk().exceptions.size(), size_t(1));
    }
};

HUEVELLA_TEST_MAIN(TestValueEntry)
#include "tst_valueentry.moc"
