#include "TestMain.h"

#include "book/PreviewPage.h"
#include "book/ProblemText.h"
#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "core/book/BookFile.h"
#include "forms/CodeMenu.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/forms/Language.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>
#include <QToolTip>
#include <QXmlStreamReader>

// The windows in each language: the translation chosen from the desktop's
// languages, and every text that shows fitting where it is shown. Run at
// scale 1 and (QT_SCALE_FACTOR=2) at scale 2.
class TestLanguage : public QObject, WindowSetFixture {
    Q_OBJECT

    // Where a label's text would run out of the label, or "" where it fits.
    static QString overflow(const TLabel* label) {
        const QString text = label->ShownText();
        if (text.isEmpty()) return {};
        const QFontMetricsF metrics(label->ShownFont(), label);
        const QSizeF room = label->size();
        if (!label->WordWrap()) {
            const QSizeF needs(metrics.horizontalAdvance(text), metrics.height());
            // A pixel clear of either edge: a word that touches them reads as cut.
            if (needs.width() <= room.width() - 2 && needs.height() <= room.height()) return {};
            return QStringLiteral("%1: \"%2\" needs %3 x %4, has %5 x %6")
                .arg(label->objectName(), text)
                .arg(needs.width())
                .arg(needs.height())
                .arg(room.width())
                .arg(room.height());
        }
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            if (metrics.horizontalAdvance(word) > room.width())
                return QStringLiteral("%1: the word \"%2\" is wider than %3")
                    .arg(label->objectName(), word)
                    .arg(room.width());
        const QRectF needs = metrics.boundingRect(QRectF(QPointF(), QSizeF(room.width(), 1e4)),
                                                  Qt::TextWordWrap | Qt::AlignHCenter, text);
        if (needs.height() <= room.height()) return {};
        return QStringLiteral("%1: \"%2\" needs %3 lines' height %4, has %5")
            .arg(label->objectName(), text)
            .arg(needs.height() / metrics.lineSpacing())
            .arg(needs.height())
            .arg(room.height());
    }

    // Every label of every window that shows a text now.
    static QStringList overflows() {
        QStringList out;
        for (TForm* form : {static_cast<TForm*>(frmHuevella), static_cast<TForm*>(frmSwatchCard),
                            static_cast<TForm*>(frmScreenPicker)})
            for (const TLabel* label : form->findChildren<TLabel*>())
                if (label->Visible())
                    if (const QString problem = overflow(label); !problem.isEmpty()) out << problem;
        return out;
    }

    static QString shown(const TLabel* label) { return label->ShownText(); }

    void press() {
        desk().cursor = QPoint(100, 100);
        QTest::mousePress(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
    }

    // A common display, 1920 x 1080 pixels, in the windows' pixels at the
    // scale the test runs at (ctest gives the offscreen screen that size).
    static QSize referenceScreen() {
        const qreal ratio = qApp->devicePixelRatio();
        return QSize(int(1920 / ratio), int(1080 / ratio));
    }

    // A message box as Qt would lay this text out: it must fit the screen.
    static QString boxOverflow(const QString& text) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Huevella"), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setTextFormat(Qt::PlainText);
        // Qt wraps a long text and sizes the box as it is shown.
        box.show();
        const QSize needs = box.size();
        box.hide();
        const QSize screen = referenceScreen();
        if (needs.width() <= screen.width() && needs.height() <= screen.height()) return {};
        return QStringLiteral("a box of %1 x %2 for \"%3\"")
            .arg(needs.width())
            .arg(needs.height())
            .arg(text);
    }

private slots:
    void cleanup() {
        destroyWindows();
        useLanguage({});
    }

    void theFirstLanguageWeHaveIsChosen_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("save");
        QTest::newRow("German") << QStringList{"de"} << "de"
                                << "Speichern";
        QTest::newRow("region and encoding") << QStringList{"de_AT.UTF-8"} << "de"
                                             << "Speichern";
        QTest::newRow("as Qt writes it") << QStringList{"es-MX"} << "es"
                                         << "Guardar";
        QTest::newRow("one we lack, then French") << QStringList{"pt_BR", "pt", "fr_CA"} << "fr"
                                                  << "Enregistrer";
        // English first wins over a language later in the list.
        QTest::newRow("English first") << QStringList{"en_GB", "de"} << ""
                                       << "Save";
        QTest::newRow("the C locale") << QStringList{"C", "fr"} << ""
                                      << "Save";
        QTest::newRow("only ones we lack") << QStringList{"pt", "ja"} << ""
                                           << "Save";
        QTest::newRow("none") << QStringList{} << ""
                              << "Save";
    }
    void theFirstLanguageWeHaveIsChosen() {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QFETCH(QString, save);
        QCOMPARE(useLanguage(languages), chosen);
        createWindows();
        QCOMPARE(toQString(frmHuevella->mnuSave->Caption()), save);
        // Qt's own buttons follow, from Qt's translations.
        const QString yes = QMessageBox(QMessageBox::Question, "", "", QMessageBox::Yes)
                                .button(QMessageBox::Yes)
                                ->text()
                                .remove('&');
        const char* expected = chosen == "de"   ? "Ja"
                               : chosen == "fr" ? "Oui"
                               : chosen == "es" ? "Sí"
                                                : "Yes";
        QCOMPARE(yes, QString::fromUtf8(expected));
    }

    void textsFitWhereTheyShow_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << "de";
        QTest::newRow("fr") << "fr";
        QTest::newRow("es") << "es";
    }
    void textsFitWhereTheyShow() {
        QFETCH(QString, language);
        QCOMPARE(useLanguage({language}), language);
        createWindows();
        frmHuevella->showFromTray();
        frmSwatchCard->Show();
        QStringList problems;
        QStringList picker;
        // The picker's caption word and message in every state it has one.
        desk().pressFinds = ScreenRead::State::Waiting;
        press();
        picker << shown(frmScreenPicker->lblPickerMessage);
        problems << overflows();
        using State = ScreenRead::State;
        for (const ScreenRead& read :
             {ScreenRead{State::Asking, {}}, ScreenRead{State::Picking, {}},
              ScreenRead{State::Picked, QColor(0xD2, 0x69, 0x1E)},
              ScreenRead{State::Unreadable, {}}, ScreenRead{State::Failed, {}, true},
              ScreenRead{State::Failed, {}, false}, ScreenRead{State::Cancelled, {}},
              ScreenRead{State::NoAnswer, {}}}) {
            desk().answerScreenRead(read);
            picker << shown(frmScreenPicker->lblPickerCaption)
                   << shown(frmScreenPicker->lblPickerMessage);
            problems << overflows();
        }
        desk().answerScreenRead({State::Asking, {}});
        QTest::mouseRelease(frmHuevella->imgEyedropper, Qt::LeftButton, {}, QPoint(5, 5));
        desk().answerScreenRead({State::Frozen, {}});
        picker << shown(frmScreenPicker->lblPickerCaption)
               << shown(frmScreenPicker->lblPickerMessage);
        problems << overflows();
        // "Copied" in place of every code.
        for (TLabel* code : {frmHuevella->lblCaption1, frmSwatchCard->lblCardCaption2,
                             frmScreenPicker->lblPickerCaption}) {
            code->setCaption("D2691E");
            CopyCode(code);
            QCOMPARE(shown(code), QCoreApplication::translate("CodeMenu", "Copied"));
        }
        problems << overflows();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        // Every one of those words and messages was the language's own.
        for (const char* english : {"Asking…", "Ready", "Can't read", "Cancelled", "No answer",
                                    "No magnifier here: the desktop's picker took this colour"})
            QVERIFY2(!picker.contains(QString::fromUtf8(english)), english);
        QVERIFY(picker.contains(QCoreApplication::translate("TfrmScreenPicker", "Ready")));

        // Hints and menus grow with their texts, but stay on the screen.
        const int screenWidth = referenceScreen().width();
        for (QWidget* window : QApplication::topLevelWidgets())
            for (const QWidget* control : window->findChildren<QWidget*>())
                if (!control->toolTip().isEmpty())
                    QVERIFY2(QFontMetrics(QToolTip::font()).horizontalAdvance(control->toolTip()) <
                                 screenWidth / 2,
                             qPrintable(control->toolTip()));
        QMenu* menu = frmHuevella->mnuMainMenu->Menu();
        QVERIFY(menu->sizeHint().width() < screenWidth / 2);
        QCOMPARE(menu->actions().first()->text(),
                 QCoreApplication::translate("Forms", "Pick from Screen"));
        QVERIFY(menu->actions().first()->text() != "Pick from Screen");
        // The code menu, its ratios written as the language writes numbers.
        frmHuevella->lblCaption1->setCaption("D2691E");
        PopupCodeMenu(frmHuevella->lblCaption1, RGBColor(0xD2, 0x69, 0x1E));
        QVERIFY(!desk().popups.empty());
        QMenu* codes = desk().popups.back().menu;
        QVERIFY(codes->sizeHint().width() < screenWidth / 2);
        QCOMPARE(codes->actions().first()->text(),
                 QCoreApplication::translate("CodeMenu", "Copy %1").arg("#D2691E"));
        // The last line of figures, above the form a click copies.
        QString contrast;
        for (const QAction* action : codes->actions())
            if (!action->isSeparator() && !action->menu()) contrast = action->text();
        QVERIFY2(contrast.contains(languageLocale().decimalPoint() == "," ? "," : "."),
                 qPrintable(contrast));
        QVERIFY2(!contrast.contains("on white"), qPrintable(contrast));
    }

    // Every message box the book and the card can show, with a long name and
    // reason in it, fits a common display in every language.
    void everyBoxFits_data() { textsFitWhereTheyShow_data(); }
    void everyBoxFits() {
        QFETCH(QString, language);
        useLanguage({language});
        QFile ts(QFINDTESTDATA("../../translations/huevella_" + language + ".ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString context;
        int boxes = 0;
        QStringList problems;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"name") context = xml.readElementText();
            if (xml.name() != u"translation") continue;
            const QString text = xml.readElementText();
            // The boxes' texts are the book's and the card's longer ones.
            if ((context != "TfrmHuevella" && context != "TfrmSwatchCard") || text.size() < 40)
                continue;
            ++boxes;
            QString filled = text;
            filled.replace("%1", "/home/designer/Documents/Colours/Spring collection 2027.hvz")
                .replace("%2", localProblem("line 12: a colour code of at most 7 characters, or "
                                            "\"space\", was expected"));
            if (const QString problem = boxOverflow(filled); !problem.isEmpty())
                problems << problem;
        }
        QVERIFY(!xml.hasError());
        QVERIFY2(boxes >= 10, qPrintable(QString::number(boxes)));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // The questions and refusals a person meets, in the language, in boxes
    // that fit the screen.
    void boxesSpeakTheLanguage_data() { textsFitWhereTheyShow_data(); }
    void boxesSpeakTheLanguage() {
        QFETCH(QString, language);
        useLanguage({language});
        createWindows();
        frmHuevella->showFromTray();
        const QString folder = QDir::tempPath() + "/tst_language_" + language;
        QDir(folder).removeRecursively();
        QVERIFY(QDir().mkpath(folder));
        // A refused file, its reason translated too.
        const QString refused = folder + "/refused.hvz";
        QFile file(refused);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("3\r\n255\r\nred\r\n");
        file.close();
        desk().messageBoxAnswers = {MessageAnswer::Ok, MessageAnswer::Cancel};
        QVERIFY(!frmHuevella->readBook(refused.toStdString()));
        // The unsaved-changes question.
        frmHuevella->modified = true;
        bool saved = false;
        frmHuevella->askSaveChanges(false, saved);
        QCOMPARE(desk().messageBoxes.size(), std::size_t(2));
        const QString refusal = desk().messageBoxes[0].text;
        const QString question = desk().messageBoxes[1].text;
        QCOMPARE(
            refusal,
            QCoreApplication::translate("TfrmHuevella", "The book \"%1\" cannot be opened: %2.")
                .arg(refused, QCoreApplication::translate("Problems", "line %1: %2")
                                  .arg("3", QCoreApplication::translate(
                                                "Problems", "a colour number was expected"))));
        QVERIFY2(!refusal.contains("expected"), qPrintable(refusal));
        QVERIFY(question != "Save changes to huevella?");
        for (const QString& text : {refusal, question})
            QVERIFY2(boxOverflow(text).isEmpty(), qPrintable(boxOverflow(text)));
        // The file dialogs' titles and filters.
        frmHuevella->dlgOpen->Execute();
        QVERIFY(!desk().fileDialogs.empty());
        const FileDialogRequest& open = desk().fileDialogs.back();
        QCOMPARE(open.title, QCoreApplication::translate("Forms", "Open"));
        QVERIFY(open.title != "Open");
        QVERIFY2(open.filter.contains("(*.hvz)") && !open.filter.startsWith("Huevella Files"),
                 qPrintable(open.filter));
        // Qt's own file dialog says "file" in the word ours says it in.
        const QString fileName = QCoreApplication::translate("QFileDialog", "File &name:");
        QVERIFY(fileName != "File &name:");
        if (language == "es") QVERIFY2(fileName.contains("archivo"), qPrintable(fileName));
        QDir(folder).removeRecursively();
    }

    // The skins that carry their window's name carry it in the language;
    // the book's, a name alone, is the same in every one.
    void skinsNameTheirWindow_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("skin");
        QTest::addColumn<bool>("translated");
        for (const char* language : {"de", "fr", "es"}) {
            for (const char* skin : {"card", "picker", "palette", "schemes"})
                QTest::addRow("%s %s", language, skin) << language << skin << true;
            QTest::addRow("%s book", language) << language << "book" << false;
        }
    }
    void skinsNameTheirWindow() {
        QFETCH(QString, language);
        QFETCH(QString, skin);
        QFETCH(bool, translated);
        const QByteArray path = ":/forms/" + skin.toLatin1() + "/skin.png";
        const QImage english = LoadPicture(path.constData()).toImage();
        useLanguage({language});
        const QImage local = LoadPicture(path.constData()).toImage();
        QCOMPARE(local.size(), english.size());
        QCOMPARE(local != english, translated);
    }

    // Books asked for while a question was open: the one taken is named,
    // and the count of the others, in either number.
    void booksLeftOverAreCounted_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("dropped");
        QTest::addColumn<QString>("said");
        QTest::newRow("English, one") << "" << 1 << "1 other book was asked for";
        QTest::newRow("English, three") << "" << 3 << "3 other books were asked for";
        QTest::newRow("German, one") << "de" << 1 << "wurde 1 weiteres Buch angefordert";
        QTest::newRow("German, three") << "de" << 3 << "wurden 3 weitere Bücher angefordert";
    }
    void booksLeftOverAreCounted() {
        QFETCH(QString, language);
        QFETCH(int, dropped);
        QFETCH(QString, said);
        useLanguage({language});
        createWindows();
        const QString book = QDir::tempPath() + "/tst_language_%2.hvz";
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0\r\n255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\nRed\r\n");
        file.close();
        desk().messageBoxAnswers = {MessageAnswer::Ok};
        frmHuevella->openFromLauncher(book.toStdString(), dropped);
        file.remove();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        const QString text = desk().messageBoxes[0].text;
        QVERIFY2(text.contains(said), qPrintable(text));
        // The name whole, even one that holds a placeholder's mark.
        QVERIFY2(text.contains(book), qPrintable(text));
    }

    // The files' reasons, piece by piece, with names and numbers kept; a
    // reason we do not know stays as it came.
    void problemsAreTranslatedPieceByPiece_data() {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("nested") << "line 4: the file ends before card 2 is complete"
                                << "Zeile 4: die Datei endet, bevor Karte 2 vollständig ist";
        QTest::newRow("the system's") << "it cannot be read: permission denied"
                                      << "die Datei kann nicht gelesen werden: Zugriff verweigert";
        QTest::newRow("a name like a placeholder")
            << "line 2: the channel '%1' is out of range (0 to 255)"
            << "Zeile 2: der Kanalwert „%1“ liegt außerhalb des Bereichs (0 bis 255)";
        QTest::newRow("three parts")
            << "40 colours, and a book holds 30: the last 10 colours are left out"
            << "40 Farben, ein Buch fasst aber 30: die letzten 10 Farben werden ausgelassen";
        QTest::newRow("unknown") << "stale file handle"
                                 << "stale file handle";
    }
    void problemsAreTranslatedPieceByPiece() {
        QFETCH(QString, english);
        QFETCH(QString, german);
        useLanguage({"de"});
        QCOMPARE(localProblem(english.toStdString()), german);
        useLanguage({});
        QCOMPARE(localProblem(english.toStdString()), english);
    }

    // Every reason a malformed book gives has its translation.
    void everyReasonOfABookIsKnown_data() {
        QTest::addColumn<QByteArray>("book");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("binary") << QByteArray("0\r\n\0\0", 5);
        QTest::newRow("count") << QByteArray("12\r\n");
        QTest::newRow("short") << QByteArray("0\r\n255\r\n");
        QTest::newRow("colour") << QByteArray("0\r\nred\r\n");
        QTest::newRow("range") << QByteArray("0\r\n99999999999\r\n");
        QTest::newRow("code") << QByteArray("0\r\n1\r\n2\r\n3\r\n#12345678\r\n");
        QTest::newRow("more") << QByteArray("0\r\n1\r\n2\r\n3\r\nA\r\nB\r\nC\r\nT\r\n\r\nmore\r\n");
    }
    void everyReasonOfABookIsKnown() {
        QFETCH(QByteArray, book);
        const BookReadResult read = parseBook(book.toStdString());
        QVERIFY(!read.ok);
        useLanguage({"fr"});
        const QString french = localProblem(read.problem);
        QVERIFY2(french != QString::fromStdString(read.problem), read.problem.c_str());
    }

    // Preview Files' page in the language: its texts replaced where they
    // stand, the page still whole.
    void thePreviewPageIsTranslated() {
        QFile page(QFINDTESTDATA("../../gallery/login.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString english = QString::fromUtf8(page.readAll());
        QCOMPARE(translatePage(english), english);
        useLanguage({"fr"});
        const QString french = translatePage(english);
        QVERIFY(french.contains("<html lang=\"fr\">"));
        QVERIFY(french.contains(">Choisir des carnets…<"));
        QVERIFY(french.contains("\"Cliquer pour copier\""));
        QVERIFY(french.contains("\"la carte %1 est incomplète\".replace(\"%1\", c + 1)"));
        for (const char* gone : {">Choose books…<", "\"Click to Copy\"", "\"Not a book file: \"",
                                 "HUEVELLA · BOOK FILES"})
            QVERIFY2(!french.contains(QString::fromUtf8(gone)), gone);
        QCOMPARE(french.count("<script>"), english.count("<script>"));
    }
};

HUEVELLA_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
