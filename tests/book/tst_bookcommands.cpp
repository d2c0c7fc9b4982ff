#include "BookFixture.h"

#include "core/book/BookFile.h"

#include <QTemporaryDir>

#include <unistd.h>

using namespace bookfixture;

// The file commands, the question that guards them, and the book named on
// the command line.
class TestBookCommands : public QObject, BookWindowFixture {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const char* name) const { return dir.filePath(name); }
    // A book saved before, so Save knows where to write.
    void knownBook(const char* name) {
        makeBook({"Saved"});
        frmHuevella->fileName = path(name).toStdString();
        frmHuevella->saveTargetKnown = true;
        frmHuevella->mnuSave->setEnabled(true);
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        createWindows();
        frmHuevella->showFromTray();
    }
    void cleanup() {
        QCOMPARE(desk().unexpectedMessageBoxes, 0);
        QCOMPARE(desk().unexpectedFileDialogs, 0);
        destroyWindows();
        for (const QString& f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(f));
    }

    void saveAsWritesWithFinalLineEnd() {
        makeBook({"Untitled-1", "Sea"});
        frmHuevella->imgPreviousCardClick();
        desk().fileDialogAnswers.push_back(path("typed"));
        frmHuevella->mnuSaveAs->Click();
        QCOMPARE(desk().fileDialogs.at(0).filter, QString("Huevella File (*.hvz)"));
        QVERIFY(desk().fileDialogs[0].save && desk().fileDialogs[0].confirmOverwrite);
        const QByteArray written = contents(path("typed.hvz"));
        QVERIFY(written.endsWith("Sea\r\n"));
        QCOMPARE(written, QByteArray(formatBook(*frmHuevella, true).c_str()));
        auto* f = frmHuevella;
        QCOMPARE(QString::fromStdString(f->fileName), path("typed.hvz"));
        QVERIFY(!f->modified && f->saveTargetKnown && !f->openedFromFile);
        QVERIFY(!f->mnuSave->Enabled());
        // Saving does not move the window off its card.
        QCOMPARE(f->currentCard, 0);
        QCOMPARE(f->lblCardTitle->Caption(), std::string("Untitled-1"));
    }

    void saveWritesWithoutFinalLineEnd() {
        knownBook("known.hvz");
        frmHuevella->mnuSave->Click();
        QCOMPARE(contents(path("known.hvz")), QByteArray(formatBook(*frmHuevella, false).c_str()));
        QVERIFY(contents(path("known.hvz")).endsWith("Saved"));
        QVERIFY(!frmHuevella->modified);
        QVERIFY(!frmHuevella->mnuSave->Enabled());
        QVERIFY(desk().fileDialogs.empty());
    }

    void saveWithoutTargetActsAsSaveAs() {
        makeBook({"One", "Two"});
        frmHuevella->imgBookClearCardClick(); // enables Save on a never-saved book
        QVERIFY(frmHuevella->mnuSave->Enabled());
        desk().fileDialogAnswers.push_back(std::nullopt);
        frmHuevella->mnuSave->Click();
        QCOMPARE(desk().fileDialogs.size(), size_t(1));
        QVERIFY(frmHuevella->modified);
        desk().fileDialogAnswers.push_back(path("chosen.hvz"));
        frmHuevella->mnuSave->Click();
        QVERIFY(contents(path("chosen.hvz")).startsWith("0\r\n"));
        QVERIFY(!frmHuevella->modified);
    }

    void failedSaves_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("needsNonRoot");
        QTest::newRow("a device") << "/dev/full" << false;
        QTest::newRow("no such folder") << "no/such/folder/book.hvz" << false;
        QTest::newRow("a folder") << "." << false;
        QTest::newRow("read-only book in a read-only folder") << "readonly/book.hvz" << true;
    }
    void failedSaves() {
        QFETCH(QString, target);
        QFETCH(bool, needsNonRoot);
        if (needsNonRoot && geteuid() == 0) QSKIP("root writes into read-only folders");
        QString file = target.startsWith('/') ? target : path(qPrintable(target));
        if (target.startsWith("readonly")) {
            QDir(dir.path()).mkdir("readonly");
            writeFile(file, "old book");
            QFile::setPermissions(file, QFileDevice::ReadOwner);
            QFile::setPermissions(dir.filePath("readonly"),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        knownBook("unused.hvz");
        frmHuevella->fileName = file.toStdString();
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuSave->Click();
        QCOMPARE(desk().messageBoxes.size(), size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains(file));
        QVERIFY(frmHuevella->modified);
        QVERIFY(frmHuevella->mnuSave->Enabled());
        if (target.startsWith("readonly")) {
            QCOMPARE(contents(file), QByteArray("old book"));
            QFile::setPermissions(dir.filePath("readonly"), QFileDevice::WriteOwner |
                                                                QFileDevice::ReadOwner |
                                                                QFileDevice::ExeOwner);
        }
    }

    void failedSaveAsKeepsTheName() {
        knownBook("mine.hvz");
        desk().fileDialogAnswers.push_back(path("no/such/folder/book.hvz"));
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuSaveAs->Click();
        QCOMPARE(QString::fromStdString(frmHuevella->fileName), path("mine.hvz"));
        QVERIFY(frmHuevella->modified);
    }

    // The question for New, Open and closing. Columns: the command, whether
    // Save knows its file, the answer, the Save As dialog's answer.
    void question_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("known");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("dialog"); // "-" none shown, "" cancelled, else a name
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<QString>("savedTo"); // "" nothing written
        for (const char* command : {"new", "open", "close"}) {
            const bool close = QString(command) == "close";
            auto row = [&](const char* tag, bool known, MessageAnswer answer, const char* dialog,
                           bool goesOn, const char* savedTo) {
                QTest::addRow("%s: %s", command, tag)
                    << command << known << answer << dialog << goesOn << savedTo;
            };
            row("cancel", true, MessageAnswer::Cancel, "-", false, "");
            row("no", false, MessageAnswer::No, "-", true, "");
            row("yes, known file", true, MessageAnswer::Yes, "-", true, "known.hvz");
            row("yes, dialog name", false, MessageAnswer::Yes, "picked.hvz", true, "picked.hvz");
            row("yes, dialog cancelled", false, MessageAnswer::Yes, "", !close, "");
            row("yes, save fails", true, MessageAnswer::Yes, "-", false, "/dev/full");
        }
    }
    void question() {
        QFETCH(QString, command);
        QFETCH(bool, known);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, dialog);
        QFETCH(bool, goesOn);
        QFETCH(QString, savedTo);
        const bool fails = savedTo == "/dev/full";
        makeBook({"A", "B"});
        frmHuevella->imgPreviousCardClick();
        if (known) {
            frmHuevella->openedFromFile = true;
            frmHuevella->fileName =
                (fails ? QString("/dev/full") : path("known.hvz")).toStdString();
        }
        desk().messageBoxAnswers.push_back(answer);
        if (fails) desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        if (dialog != "-")
            desk().fileDialogAnswers.push_back(dialog.isEmpty() ? std::optional<QString>()
                                                                : path(qPrintable(dialog)));
        if (command == "open") desk().fileDialogAnswers.push_back(std::nullopt); // then cancel Open

        bool allowed = true;
        if (command == "new") frmHuevella->mnuNew->Click();
        if (command == "open") frmHuevella->mnuOpen->Click();
        if (command == "close") allowed = frmHuevella->FormCloseQuery();

        auto* f = frmHuevella;
        QCOMPARE(desk().messageBoxes.at(0).text, QString("Save changes to huevella?"));
        QCOMPARE(desk().messageBoxes[0].caption, QString("Huevella"));
        QVERIFY(desk().messageBoxes[0].buttons == MessageButtons::YesNoCancel &&
                desk().messageBoxes[0].icon == MessageIcon::Warning);
        const bool saved = !savedTo.isEmpty() && !fails;
        if (saved) {
            const QByteArray written = contents(path(qPrintable(savedTo)));
            QVERIFY(written.startsWith("1\r\n"));
            QVERIFY2(written.endsWith("B"), "the question's saves end without a line end");
        }
        // The question's saves change neither the name nor the flags.
        QCOMPARE(f->fileName.empty(), !known);
        QCOMPARE(f->openedFromFile, known && !(command == "new" && goesOn));
        if (command == "new") {
            QCOMPARE(f->lastCard, goesOn ? -1 : 1);
            QCOMPARE(buttons(), goesOn ? QString("---") : QString("C-N"));
            QCOMPARE(f->modified, !goesOn);
        } else if (command == "open") {
            // The Open dialog was cancelled: the book stays, saved or not.
            QCOMPARE(f->lastCard, 1);
            QCOMPARE(f->currentCard, 0);
            QCOMPARE(desk().fileDialogs.size(),
                     size_t(goesOn ? (dialog != "-" ? 2 : 1) : (dialog != "-" ? 1 : 0)));
            QCOMPARE(f->modified, !saved);
            QCOMPARE(f->mnuSave->Enabled(), !saved && f->saveTargetKnown);
        } else {
            QCOMPARE(allowed, goesOn);
            QCOMPARE(f->modified, !saved);
        }
        if (!goesOn) QCOMPARE(titles(), (QStringList{"A", "B"}));
    }

    void closingUnmodifiedAsksNothing() {
        makeBook({"A"});
        frmHuevella->modified = false;
        QVERIFY(frmHuevella->FormCloseQuery());
        QVERIFY(desk().messageBoxes.empty());
    }

    void openReadsTheBook() {
        writeFile(path("two.hvz"), "1\n255\n0\n0\nFF0000\nspace\nspace\nFirst\n"
                                   "65280\n0\n0\n00FF00\nspace\nspace\nSecond");
        desk().fileDialogAnswers.push_back(path("two"));
        frmHuevella->mnuOpen->Click();
        QCOMPARE(desk().fileDialogs.at(0).filter, QString("Huevella Files (*.hvz)"));
        auto* f = frmHuevella;
        QCOMPARE(titles(), (QStringList{"First", "Second"}));
        QCOMPARE(f->currentCard, 1);
        QCOMPARE(f->pnlColor1->Color(), 65280);
        QCOMPARE(f->lblCaption2->Color(), BlankColor);
        QCOMPARE(buttons(), QString("CP-"));
        QVERIFY(f->openedFromFile && f->saveTargetKnown && !f->modified);
        QVERIFY(!f->mnuSave->Enabled());
        QVERIFY(f->mnuSaveAs->Enabled());
        QCOMPARE(QString::fromStdString(f->fileName), path("two.hvz"));
    }

    void openRefusesABrokenFileAndKeepsTheBook() {
        writeFile(path("broken.hvz"), "3\n255\nred\n");
        makeBook({"Keep", "Me"});
        frmHuevella->modified = false;
        desk().fileDialogAnswers.push_back(path("broken.hvz"));
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuOpen->Click();
        const auto& box = desk().messageBoxes.at(0);
        QVERIFY(box.text.contains(path("broken.hvz")));
        QVERIFY(box.text.contains("line 3: a colour number was expected"));
        QCOMPARE(titles(), (QStringList{"Keep", "Me"}));
        QCOMPARE(frmHuevella->currentCard, 1);
        QCOMPARE(buttons(), QString("CP-"));
        QVERIFY(!frmHuevella->openedFromFile);
        QVERIFY(frmHuevella->fileName.empty());
    }

    void newEmptiesTheBook() {
        makeBook({"A", "B", "C"});
        frmHuevella->modified = false;
        frmHuevella->saveTargetKnown = true;
        frmHuevella->mnuNew->Click();
        auto* f = frmHuevella;
        QCOMPARE(f->lastCard, -1);
        QCOMPARE(f->currentCard, -1);
        QCOMPARE(buttons(), QString("---"));
        QVERIFY(!f->mnuSave->Enabled() && !f->mnuSaveAs->Enabled());
        QVERIFY(!f->saveTargetKnown && !f->openedFromFile && !f->modified);
        QCOMPARE(f->pnlColor1->Color(), BlankColor);
        QVERIFY(f->lblCardTitle->Caption().empty());
    }

    void commandLine_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<bool>("complains");
        QTest::newRow("absolute path") << "ABS" << true << false;
        QTest::newRow("relative path") << "REL" << true << false;
        // The desktop's type takes .HVZ as a book: so does the program.
        QTest::newRow("capital extension") << "LOUD.HVZ" << true << false;
        QTest::newRow("capital extension, missing") << "book.HVZ" << false << true;
        QTest::newRow("quoted") << "\"book.hvz\"" << false << false;
        QTest::newRow("other file") << "book.txt" << false << false;
        QTest::newRow("missing") << "nowhere.hvz" << false << true;
        QTest::newRow("broken") << "BROKEN" << false << true;
    }
    void commandLine() {
        QFETCH(QString, argument);
        QFETCH(bool, loads);
        QFETCH(bool, complains);
        writeFile(path("book.hvz"), "2\n" + QByteArray("1\n2\n3\nA\nB\nC\nOne\n").repeated(2) +
                                        "255\n0\n0\nFF0000\nspace\nspace\nThree\n");
        writeFile(path("broken.hvz"), "12\n");
        QFile::copy(path("book.hvz"), path("LOUD.HVZ"));
        if (argument == "ABS") argument = path("book.hvz");
        if (argument == "BROKEN") argument = path("broken.hvz");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        if (argument == "REL") argument = "book.hvz";
        destroyWindows();
        // The load happens while the windows are made, before a test can
        // script an answer: an unscripted box is answered and counted.
        createWindows({"huevella", argument});
        QDir::setCurrent(previous);
        auto* f = frmHuevella;
        QCOMPARE(f->Visible(), loads);
        QCOMPARE(int(desk().messageBoxes.size()), complains ? 1 : 0);
        desk().unexpectedMessageBoxes = 0;
        if (!loads) {
            QCOMPARE(f->lastCard, -1);
            QVERIFY(!f->mnuOpen->Enabled());
            return;
        }
        QCOMPARE(QString::fromStdString(f->fileName), argument);
        QCOMPARE(titles(), (QStringList{"One", "One", "Three"}));
        QCOMPARE(f->currentCard, 2);
        QCOMPARE(f->pnlColor1->Color(), 255);
        QVERIFY(f->openedFromFile && !f->saveTargetKnown && !f->modified);
        // Saved in place, or under another name as any book opened.
        QVERIFY(f->mnuSave->Enabled() && f->mnuSaveAs->Enabled());
        QVERIFY(f->mnuOpen->Enabled() && f->mnuNew->Enabled());
        QCOMPARE(buttons(), QString("CP-"));
    }
};

HUEVELLA_TEST_MAIN(TestBookCommands)
#include "tst_bookcommands.moc"
