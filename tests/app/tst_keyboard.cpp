#include "BookFixture.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "core/colour/Contrast.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/forms/ScrollBox.h"
#include "schemes/TfrmSuggestSchemes.h"
#include "slider/TfrmMivoSlider.h"

#include <QAccessible>
#include <QMenu>
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
        QTest::newRow("book") << "frmHuevella"
                              << "imgEyedropper imgSwatchCard imgMenu imgColorPalette "
                                 "lblCardTitle lblCaption1 lblCaption2 lblCaption3";
        // An empty card: no hidden Add or Clear under their disabled faces.
        QTest::newRow("card") << "frmSwatchCard"
                              << "pnlCardColor1 pnlCardColor2 pnlCardColor3 lblCardCaption1 "
                                 "lblCardCaption2 lblCardCaption3";
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

    // One order, whichever window was made or shown first.
    void f6GoesBetweenWindows() {
        for (TForm* form : std::initializer_list<TForm*>{frmScreenPicker, frmSuggestSchemes,
                                                         frmColorPalette, frmSwatchCard})
            form->Show();
        const auto round = [](const char* key) {
            QStringList seen;
            for (int i = 0; i < 5; ++i) {
                QWidget* from = QApplication::activeWindow();
                keys(from, key);
                (void)QTest::qWaitFor([from] { return QApplication::activeWindow() != from; });
                seen << QApplication::activeWindow()->objectName();
            }
            return seen.join(' ');
        };
        QCOMPARE(round("F6"), "frmSwatchCard frmColorPalette frmSuggestSchemes frmScreenPicker "
                              "frmHuevella");
        QCOMPARE(round("Shift+F6"), "frmScreenPicker frmSuggestSchemes frmColorPalette "
                                    "frmSwatchCard frmHuevella");
        frmSuggestSchemes->Hide();
        keys(frmSwatchCard, "F6");
        QVERIFY(QTest::qWaitForWindowActive(frmColorPalette));
        QCOMPARE(QApplication::focusWidget(), frmColorPalette->editHex);
        keys(frmColorPalette->editHex, "F6");
        QVERIFY(QTest::qWaitForWindowActive(frmScreenPicker));
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

    // The name, and what the keys do where the hint tells only the mouse.
    void namesSayJobAndColour_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keys");
        const auto row = [](const char* tag, const char* control, QAccessible::Role role,
                            const char* name, const char* keys = "") {
            QTest::newRow(tag) << control << int(role) << name << keys;
        };
        row("card slot", "pnlColor1", QAccessible::Graphic, "Card 2 colour 1, 140000");
        row("empty slot", "pnlColor2", QAccessible::Graphic, "Card 2 colour 2, empty");
        row("code", "lblCaption1", QAccessible::Button, "140000", "Enter copies");
        row("empty code", "lblCaption2", QAccessible::Button, "Card 2 colour 2, empty", "Enter");
        row("title", "lblCardTitle", QAccessible::Button, "two", "Space renames");
        row("hinted button", "imgColorPalette", QAccessible::Button, "");
        row("eyedropper", "imgEyedropper", QAccessible::Button, "", "Space picks");
        row("card's slot", "pnlCardColor1", QAccessible::Button, "Card colour 1, empty", "Menu");
        row("hex edit", "editHex", QAccessible::EditableText, "Hex code");
        row("picker", "pnlPickerColor", QAccessible::Button, "Picked colour, empty");
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
        QFETCH(QString, keys);
        const QString description = face->text(QAccessible::Description);
        QVERIFY2(keys.isEmpty() ? description == found->toolTip() : description.contains(keys),
                 qPrintable(description));
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

    // What screen readers walk: every window a frame with its title, each
    // object named and its parent's child; nothing that only draws.
    void theTreeHoldsWhatAPersonMeets() {
        makeBook({"one"});
        QStringList drawings;
        int objects = 0;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* face) {
            for (int i = 0; i < face->childCount(); ++i) {
                QAccessibleInterface* child = face->child(i);
                QVERIFY(child);
                QCOMPARE(child->parent(), face);
                QCOMPARE(face->indexOfChild(child), i);
                const QString name = child->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty(), qPrintable(child->object()->objectName()));
                const QString objectName = child->object()->objectName();
                if (objectName.contains("Skin") || objectName.contains("Outline") ||
                    (objectName.startsWith("pbx") && !objectName.endsWith("Slide")) ||
                    objectName == "imgTarget" || objectName == "focusMark" ||
                    objectName == "announcer" || child->role() == QAccessible::ScrollBar)
                    drawings << objectName;
                ++objects;
                walk(child);
            }
        };
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!qobject_cast<TForm*>(window)) continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(int(face->role()), int(QAccessible::Window));
            QCOMPARE(face->text(QAccessible::Name), window->windowTitle());
            walk(face);
        }
        QVERIFY2(drawings.isEmpty(), qPrintable(drawings.join(' ')));
        // The twelve scheme colours stand right under their scroll box.
        auto* scheme = QAccessible::queryAccessibleInterface(
            frmSuggestSchemes->findChild<QWidget*>("pnlScheme2Color1"));
        QCOMPARE(scheme->parent()->object()->objectName(), QStringLiteral("ScrollBox1"));
        QCOMPARE(scheme->parent()->childCount(), 12);
        QVERIFY(objects > 40);
    }

    // The Menu key and Shift+F10 on a focused control do what its right
    // click does: a code's menu under the code, a slot's slider with the
    // keys in it; elsewhere on the book, the main menu.
    void contextKeys_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opens");
        QTest::newRow("book code") << "Menu"
                                   << "lblCaption1"
                                   << "codeMenu";
        QTest::newRow("card code") << "Shift+F10"
                                   << "lblCardCaption2"
                                   << "codeMenu";
        QTest::newRow("card slot") << "Menu"
                                   << "pnlCardColor2"
                                   << "slider";
        QTest::newRow("empty card code") << "Menu"
                                         << "lblCardCaption3"
                                         << "";
        QTest::newRow("book eyedropper") << "Shift+F10"
                                         << "imgEyedropper"
                                         << "mnuMainMenu";
    }
    void contextKeys() {
        QFETCH(QString, key);
        QFETCH(QString, control);
        QFETCH(QString, opens);
        makeBook({"one"});
        frmSwatchCard->Show();
        for (auto [panel, caption] :
             {std::pair{frmSwatchCard->pnlCardColor1, frmSwatchCard->lblCardCaption1},
              std::pair{frmSwatchCard->pnlCardColor2, frmSwatchCard->lblCardCaption2}}) {
            panel->setColor(0x3366CC);
            caption->setCaption("CC6633");
        }
        TForm* form = control.contains("Card") ? static_cast<TForm*>(frmSwatchCard) : frmHuevella;
        activate(form);
        auto* target = form->findChild<TControl*>(control);
        target->setFocus(Qt::TabFocusReason);
        keys(target, key);
        if (opens == "slider") {
            QVERIFY(frmMivoSlider->Visible());
            QCOMPARE(frmMivoSlider->targetPanel, target);
            QVERIFY(desk().popups.empty());
            return;
        }
        QCOMPARE(desk().popups.size(), size_t(opens.isEmpty() ? 0 : 1));
        if (opens.isEmpty()) return;
        if (opens == "mnuMainMenu")
            QCOMPARE(desk().popups[0].menu, frmHuevella->mnuMainMenu->Menu());
        else
            QCOMPARE(desk().popups[0].menu->objectName(), opens);
        // From the keyboard, the code's menu opens under the code.
        if (opens == "codeMenu")
            QCOMPARE(desk().popups[0].pos, target->mapToGlobal(QPoint(0, target->height())));
    }

    // The focus ring stands out, 3:1 or more, both from the colour it goes
    // round and from what it covers, whatever the slot's colour; in the
    // palette it goes round the edits; a colour in the scroll box is
    // scrolled into view and its ring kept inside the box.
    void focusRingStandsOut_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("rgb");
        QTest::newRow("amber slot") << "frmSwatchCard"
                                    << "pnlCardColor1" << 0xF2A33A;
        QTest::newRow("dark slot") << "frmSwatchCard"
                                   << "pnlCardColor1" << 0x201810;
        QTest::newRow("grey of luminance 0.12") << "frmSwatchCard"
                                                << "pnlCardColor1" << 0x616161;
        QTest::newRow("white slot") << "frmSwatchCard"
                                    << "pnlCardColor2" << 0xFFFFFF;
        QTest::newRow("empty slot") << "frmSwatchCard"
                                    << "pnlCardColor3" << -1;
        QTest::newRow("hex edit") << "frmColorPalette"
                                  << "editHex" << -1;
        QTest::newRow("scheme 3 colour 1") << "frmSuggestSchemes"
                                           << "pnlScheme3Color1" << -1;
    }
    void focusRingStandsOut() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, rgb);
        TForm* form = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == window) form = qobject_cast<TForm*>(w);
        QVERIFY(form);
        activate(form);
        auto* target = form->findChild<QWidget*>(control);
        if (auto* panel = qobject_cast<TPanel*>(target); panel && rgb >= 0)
            panel->setColor(RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
        // The keyboard in use, the focus elsewhere: the window unfocused.
        QTest::keyClick(form, Qt::Key_Shift);
        form->setFocus();
        TScrollBox* box = nullptr;
        for (QWidget* w = target; w && !box; w = w->parentWidget())
            box = qobject_cast<TScrollBox*>(w);
        target->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        const QImage focused = form->grab().toImage();
        target->clearFocus();
        QCoreApplication::processEvents();
        const QImage unfocused = form->grab().toImage();
        const QRect at(target->mapTo(form, QPoint(0, 0)), target->size());
        if (box) {
            // In view, and nothing drawn outside the box's view.
            const QRect view(box->viewport()->mapTo(form, QPoint(0, 0)), box->viewport()->size());
            QVERIFY(view.contains(at.center()));
            for (int y = 0; y < focused.height(); ++y)
                for (int x = 0; x < focused.width(); ++x)
                    if (focused.pixel(x, y) != unfocused.pixel(x, y))
                        QVERIFY2(view.contains(x, y), qPrintable(QString("%1,%2").arg(x).arg(y)));
        }
        const auto colour = [](QRgb c) { return RGBColor(qRed(c), qGreen(c), qBlue(c)); };
        // Out from the middle of each side: the ring's pixels against the
        // control's edge and against what they cover.
        const QPoint mid = at.center();
        const std::pair<QPoint, QPoint> sides[] = {{QPoint(at.left(), mid.y()), QPoint(-1, 0)},
                                                   {QPoint(at.right(), mid.y()), QPoint(1, 0)},
                                                   {QPoint(mid.x(), at.top()), QPoint(0, -1)},
                                                   {QPoint(mid.x(), at.bottom()), QPoint(0, 1)}};
        for (const auto& [edge, out] : sides) {
            int againstEdge = 0, againstCovered = 0;
            const TColor inside = colour(unfocused.pixel(edge));
            for (int d = 1; d <= 4; ++d) {
                const QPoint p = edge + out * d;
                if (!focused.rect().contains(p)) continue;
                const TColor ring = colour(focused.pixel(p));
                againstEdge = std::max(againstEdge, contrastHundredths(ring, inside));
                againstCovered =
                    std::max(againstCovered, contrastHundredths(ring, colour(unfocused.pixel(p))));
            }
            QVERIFY2(againstEdge >= 300,
                     qPrintable(QString("against the control %1").arg(againstEdge)));
            QVERIFY2(againstCovered >= 300,
                     qPrintable(QString("against what it covers %1").arg(againstCovered)));
        }
    }

    // A code copied shows "Copied" in its place for a moment; the code
    // itself, and what the card would be added with, never change.
    void aCopyIsSeen() {
        makeBook({"one"});
        frmHuevella->lblCaption1->setCaption("3366CC");
        QCoreApplication::processEvents();
        const QImage before = frmHuevella->lblCaption1->grab().toImage();
        QTest::mouseClick(frmHuevella->lblCaption1, Qt::LeftButton);
        QCOMPARE(desk().clipboard, QStringLiteral("3366CC"));
        QCOMPARE(frmHuevella->lblCaption1->Caption(), std::string("3366CC"));
        QVERIFY(frmHuevella->lblCaption1->grab().toImage() != before);
        QTRY_COMPARE_WITH_TIMEOUT(frmHuevella->lblCaption1->grab().toImage(), before, 3000);
    }
};

HUEVELLA_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
