#include "BookFixture.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "schemes/TfrmSuggestSchemes.h"
#include "slider/TfrmMivoSlider.h"

#include <QAccessible>
#include <QTemporaryDir>

using namespace bookfixture;

// The program without a mouse: what Tab visits, what Space, Enter and the
// shortcuts run, the keys between cards and windows, and what assistive
// technology is told.
class TestKeyboard : public QObject, WindowSetFixture {
    Q_OBJECT

    static void activate(TForm* form) {
        form->Show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }
    // What Tab visits in a window, round the ring from the control named.
    static QStringList tabChain(TForm* form, const QString& from) {
        QStringList names;
        QWidget* start = form->findChild<QWidget*>(from);
        if (!start) return {"no " + from};
        QWidget* w = start;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form)) names << w->objectName();
            w = w->nextInFocusChain();
        } while (w && w != start);
        return names;
    }
    static void keys(QWidget* to, const QString& sequence) {
        for (const QString& step : sequence.split(' ', Qt::SkipEmptyParts)) {
            const QKeySequence key(step);
            QTest::keyClick(to, Qt::Key(key[0].key()), key[0].keyboardModifiers());
        }
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        activate(frmHuevella);
    }
    void cleanup() { destroyWindows(); }

    // Every button of a window in reading order; the palette's edits in the
    // order of its form, then its buttons; the drag surfaces left out.
    void tabVisitsEveryCommand_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("chain");
        QTest::newRow("book")
            << "frmHuevella"
            << "imgEyedropper imgCollapseCards imgSwatchCard imgMenu imgColorPalette "
               "lblCardTitle lblCaption1 lblCaption2 lblCaption3";
        QTest::newRow("palette") << "frmColorPalette"
                                 << "editHex editHue editSat editLum editRed editGreen editBlue "
                                    "pnlSwatch imgSuggestSchemes";
    }
    void tabVisitsEveryCommand() {
        QFETCH(QString, window);
        QFETCH(QString, chain);
        auto* form = qApp->findChild<TForm*>(window);
        if (!form)
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == window) form = qobject_cast<TForm*>(w);
        QVERIFY(form);
        QCOMPARE(tabChain(form, chain.section(' ', 0, 0)).join(' '), chain);
    }

    // Space and Enter on a focused button do what its click does; a window
    // opened so takes the focus, an edit first.
    void spaceAndEnterClick_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("focusIn");
        QTest::newRow("space, palette") << "Space"
                                        << "imgColorPalette"
                                        << "editHex";
        QTest::newRow("enter, palette") << "Return"
                                        << "imgColorPalette"
                                        << "editHex";
        QTest::newRow("space, card") << "Space"
                                     << "imgSwatchCard"
                                     << "frmSwatchCard";
    }
    void spaceAndEnterClick() {
        QFETCH(QString, key);
        QFETCH(QString, button);
        QFETCH(QString, focusIn);
        auto* control = frmHuevella->findChild<TImage*>(button);
        control->setFocus(Qt::TabFocusReason);
        keys(control, key);
        // The window opened is activated by the window system, later.
        const auto focusThere = [&] {
            QWidget* focus = QApplication::focusWidget();
            return focus &&
                   (focus->objectName() == focusIn || focus->window()->objectName() == focusIn);
        };
        QTRY_VERIFY2(focusThere(), qPrintable(QApplication::focusWidget()
                                                  ? QApplication::focusWidget()->objectName()
                                                  : QString("nothing")));
    }

    void shortcutsRunTheMenu_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("inTray");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("open") << "Ctrl+O" << false << 1 << false;
        QTest::newRow("save as") << "Ctrl+Shift+S" << false << 1 << false;
        QTest::newRow("save, no file yet") << "Ctrl+S" << false << 0 << false;
        QTest::newRow("new") << "Ctrl+N" << false << 0 << true;
        QTest::newRow("open, from the tray") << "Ctrl+O" << true << 0 << false;
    }
    void shortcutsRunTheMenu() {
        QFETCH(QString, key);
        QFETCH(bool, inTray);
        QFETCH(int, dialogs);
        QFETCH(bool, emptied);
        makeBook({"one", "two"});
        frmHuevella->modified = false;
        if (inTray) {
            frmHuevella->mnuSystemTrayClick();
            frmHuevella->Show();
            activate(frmHuevella);
        }
        keys(frmHuevella, key);
        QCOMPARE(int(desk().fileDialogs.size()), dialogs);
        QCOMPARE(frmHuevella->lastCard == -1, emptied);
    }

    void keysBetweenCards_data() {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<int>("current");
        QTest::newRow("page up") << "PgUp" << 1;
        QTest::newRow("page up twice, down") << "PgUp PgUp PgDown" << 1;
        QTest::newRow("ctrl+left, past the first") << "Ctrl+Left Ctrl+Left Ctrl+Left" << 0;
        QTest::newRow("ctrl+right at the last") << "Ctrl+Right" << 2;
    }
    void keysBetweenCards() {
        QFETCH(QString, sequence);
        QFETCH(int, current);
        makeBook({"one", "two", "three"});
        keys(frmHuevella, sequence);
        QCOMPARE(frmHuevella->currentCard, current);
    }

    void menuKeysOpenTheMainMenu_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("menu key") << "Menu";
        QTest::newRow("shift+f10") << "Shift+F10";
    }
    void menuKeysOpenTheMainMenu() {
        QFETCH(QString, key);
        keys(frmHuevella, key);
        QCOMPARE(desk().popups.size(), size_t(1));
        QCOMPARE(desk().popups[0].menu, frmHuevella->mnuMainMenu->Menu());
    }

    void escapeHidesACompanionOnly() {
        frmHuevella->imgColorPaletteClick();
        activate(frmColorPalette);
        keys(frmColorPalette->editHex, "Escape");
        QVERIFY(!frmColorPalette->Visible());
        keys(frmHuevella, "Escape");
        QVERIFY(frmHuevella->Visible());
    }

    void f6GoesBetweenWindows() {
        frmHuevella->imgColorPaletteClick();
        keys(frmHuevella, "F6");
        QVERIFY(QTest::qWaitForWindowActive(frmColorPalette));
        QCOMPARE(QApplication::focusWidget(), frmColorPalette->editHex);
        keys(frmColorPalette->editHex, "Shift+F6");
        QVERIFY(QTest::qWaitForWindowActive(frmHuevella));
    }

    // Every control of every window has a name and a role.
    void everyControlIsNamed() {
        int controls = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!qobject_cast<TForm*>(window)) continue;
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!qobject_cast<TControl*>(w) && !qobject_cast<TEdit*>(w)) continue;
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(face, qPrintable(w->objectName()));
                QVERIFY2(!face->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
                QVERIFY2(face->role() != QAccessible::NoRole && face->role() != QAccessible::Client,
                         qPrintable(w->objectName()));
                ++controls;
            }
        }
        QVERIFY(controls > 60);
    }

    void namesSayJobAndColour_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("card slot")
            << "pnlColor1" << int(QAccessible::Graphic) << "Card 2 colour 1, 140000";
        QTest::newRow("empty slot")
            << "pnlColor2" << int(QAccessible::Graphic) << "Card 2 colour 2, empty";
        QTest::newRow("code") << "lblCaption1" << int(QAccessible::Button) << "140000";
        QTest::newRow("title") << "lblCardTitle" << int(QAccessible::Button) << "two";
        QTest::newRow("hinted button") << "imgColorPalette" << int(QAccessible::Button) << "";
        QTest::newRow("hex edit") << "editHex" << int(QAccessible::EditableText) << "Hex code";
        QTest::newRow("picker") << "pnlPickerColor" << int(QAccessible::Button)
                                << "Picked colour, empty";
    }
    void namesSayJobAndColour() {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        makeBook({"one", "two"});
        QWidget* found = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* w = window->findChild<QWidget*>(control)) found = w;
        QVERIFY(found);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(found);
        // An empty name stands for the control's hint.
        QCOMPARE(face->text(QAccessible::Name), name.isEmpty() ? found->toolTip() : name);
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
        QCOMPARE(int(face->role()), role);
    }

    void pressActionDoesWhatAClickDoes() {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(frmHuevella->imgColorPalette);
        QVERIFY(face->actionInterface());
        QVERIFY(face->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(frmColorPalette->Visible());
    }

    // Keys an edit needs stay the edit's: the title's PageUp and Escape
    // reach neither the card list nor the window.
    void editKeysStayInTheEdit() {
        frmHuevella->imgColorPaletteClick();
        activate(frmColorPalette);
        frmColorPalette->editHex->setFocus();
        keys(frmColorPalette->editHex, "Left Right Home End Backspace");
        QVERIFY(frmColorPalette->Visible());
        QCOMPARE(QApplication::focusWidget(), frmColorPalette->editHex);
    }
};

HUEVELLA_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
