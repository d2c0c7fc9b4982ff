#include "BookFixture.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace bookfixture;

// Export from the main menu: the format of the filter or of the typed
// extension, the same bytes as hvz export, and the book left as it was.
class TestBookExport : public QObject, BookWindowFixture {
    Q_OBJECT

    QTemporaryDir dir;

    // What `hvz export` writes for the book saved in this file.
    static QByteArray hvzExport(const QString& format, const QString& book) {
        QProcess hvz;
        hvz.start(HVZ_PATH, {"export", "--format", format, book});
        hvz.waitForFinished();
        return hvz.readAllStandardOutput();
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
    }
    void cleanup() {
        QCOMPARE(desk().unexpectedFileDialogs, 0);
        destroyWindows();
    }

    void formats_data() {
        QTest::addColumn<int>("filter"); // chosen in the dialog, from 0
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("format");
        QTest::newRow("GIMP palette") << 0 << "out"
                                      << "out.gpl"
                                      << "gpl";
        QTest::newRow("Adobe swatches") << 1 << "out"
                                        << "out.ase"
                                        << "ase";
        QTest::newRow("CSS") << 2 << "out"
                             << "out.css"
                             << "css";
        QTest::newRow("JSON") << 3 << "out"
                              << "out.json"
                              << "json";
        QTest::newRow("typed extension wins") << 0 << "mine.json"
                                              << "mine.json"
                                              << "json";
        QTest::newRow("typed in capitals") << 3 << "mine.CSS"
                                           << "mine.CSS"
                                           << "css";
    }
    void formats() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, format);
        makeBook({"Sea \"side\"", QString::fromUtf8("Café ☕")});
        const QString book = dir.filePath("colours.hvz");
        frmHuevella->fileName = book.toStdString();
        frmHuevella->saveTargetKnown = true;
        frmHuevella->mnuSaveClick(); // the book on disk, for hvz
        frmHuevella->modified = true;
        desk().chosenFilter = filter;
        desk().fileDialogAnswers.push_back(dir.filePath(typed));
        frmHuevella->mnuExportClick();
        QCOMPARE(desk().fileDialogs.back().filter,
                 QString("GIMP Palette (*.gpl);;Adobe Swatch Exchange (*.ase);;"
                         "CSS Custom Properties (*.css);;JSON (*.json)"));
        const QByteArray bytes = contents(dir.filePath(written));
        QVERIFY(bytes.size() > 20);
        QCOMPARE(bytes, hvzExport(format, book));
        // The book itself is untouched.
        QCOMPARE(QString::fromStdString(frmHuevella->fileName), book);
        QVERIFY(frmHuevella->modified);
        QVERIFY(desk().messageBoxes.empty());
    }

    void aFailedExportSaysSo() {
        makeBook({"A"});
        frmHuevella->modified = false;
        desk().fileDialogAnswers.push_back(dir.filePath("no/such/folder/out.gpl"));
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuExportClick();
        QCOMPARE(desk().messageBoxes.size(), size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains("no such file or directory"));
        QVERIFY(!frmHuevella->modified);
    }

    void exportNeedsACard() {
        QTest::mouseClick(frmHuevella->imgMenu, Qt::LeftButton);
        QVERIFY(!frmHuevella->mnuExport->Enabled());
        makeBook({"A"});
        QTest::mouseClick(frmHuevella->imgMenu, Qt::LeftButton);
        QVERIFY(frmHuevella->mnuExport->Enabled());
    }

    // The question is about the file that will be written, extension
    // added, and the dialog leaves it to us.
    void existingFileIsAskedAbout_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("extension added, kept") << "colours"
                                               << "colours.gpl" << MessageAnswer::No;
        QTest::newRow("extension added, replaced") << "colours"
                                                   << "colours.gpl" << MessageAnswer::Yes;
        QTest::newRow("another extension typed") << "walk.hvz"
                                                 << "walk.hvz.gpl" << MessageAnswer::No;
        QTest::newRow("extension typed") << "mine.gpl"
                                         << "mine.gpl" << MessageAnswer::No;
    }
    void existingFileIsAskedAbout() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(MessageAnswer, answer);
        makeBook({"One"});
        const QString target = dir.filePath(written);
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("precious");
        old.close();
        desk().fileDialogAnswers.push_back(dir.filePath(typed));
        desk().messageBoxAnswers.push_back(answer);
        frmHuevella->mnuExportClick();
        QCOMPARE(desk().fileDialogs.back().title, QString("Export"));
        QVERIFY(!desk().fileDialogs.back().confirmOverwrite);
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains(target));
        QCOMPARE(contents(target) == "precious", answer == MessageAnswer::No);
        QFile::remove(target);
    }

    // The open book is never replaced by an export, by whatever name: a
    // link to it, its own name with the extension typed.
    void theOpenBookIsNotExportedOver_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a link to the book") << "link.gpl";
        QTest::newRow("the book itself, as json") << "walk.json";
    }
    void theOpenBookIsNotExportedOver() {
        QFETCH(QString, typed);
        makeBook({"One"});
        const QString book = dir.filePath(typed == "link.gpl" ? "walk.hvz" : "walk.json");
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the book");
        file.close();
        if (typed == "link.gpl") QVERIFY(QFile::link(book, dir.filePath("link.gpl")));
        frmHuevella->fileName = book.toStdString();
        desk().fileDialogAnswers.push_back(dir.filePath(typed));
        desk().messageBoxAnswers.push_back(MessageAnswer::Yes);
        frmHuevella->mnuExportClick();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains("is the book that is open"));
        QCOMPARE(contents(book), QByteArray("the book"));
        QFile::remove(dir.filePath("link.gpl"));
        QFile::remove(book);
    }

    // A name that is free is written without a question.
    void freeNameIsNotAskedAbout() {
        makeBook({"One"});
        desk().fileDialogAnswers.push_back(dir.filePath("fresh"));
        frmHuevella->mnuExportClick();
        QVERIFY(desk().messageBoxes.empty());
        QVERIFY(contents(dir.filePath("fresh.gpl")).startsWith("GIMP Palette"));
        QFile::remove(dir.filePath("fresh.gpl"));
    }

    // Import…: a GIMP palette into a new unnamed book after the usual
    // question; more than thirty colours cut to thirty with a message; a
    // refused palette reported with its line, the book on show kept.
    void importPalette_data() {
        QTest::addColumn<QByteArray>("palette");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QString>("firstCode");
        QTest::addColumn<QString>("message"); // "" none
        QByteArray many = "GIMP Palette\nName: many\n#\n";
        for (int i = 0; i < 35; ++i)
            many += QByteArray::number(i * 7) + " 0 0\n";
        QTest::newRow("four colours")
            << QByteArray("GIMP Palette\nName: four\n#\n255 0 0 red\n0 255 0 green\n"
                          "0 0 255 blue\n255 255 0 yellow\n")
            << 2 << "FF0000"
            << "";
        QTest::newRow("thirty-five")
            << many << 10 << "000000"
            << "holds 35 colours, and a book holds 30: the last 5 colours are left out";
        QTest::newRow("refused") << QByteArray("GIMP Palette\n#\n255 0\n") << -1 << ""
                                 << "cannot be imported: line 3";
    }
    void importPalette() {
        QFETCH(QByteArray, palette);
        QFETCH(int, cards);
        QFETCH(QString, firstCode);
        QFETCH(QString, message);
        makeBook({"kept"});
        frmHuevella->modified = false;
        const QString file = dir.filePath("palette.gpl");
        writeFile(file, palette);
        desk().fileDialogAnswers.push_back(file);
        if (!message.isEmpty()) desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuImportClick();
        QCOMPARE(desk().fileDialogs.back().title, QString("Import"));
        QCOMPARE(desk().messageBoxes.size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty())
            QVERIFY2(desk().messageBoxes[0].text.contains(message),
                     qPrintable(desk().messageBoxes[0].text));
        auto* f = frmHuevella;
        if (cards < 0) {
            QCOMPARE(f->lastCard, 0);
            QCOMPARE(QString::fromStdString(f->lblCardTitle->Caption()), QString("kept"));
            return;
        }
        QCOMPARE(f->lastCard + 1, cards);
        QCOMPARE(f->currentCard, 0);
        QCOMPARE(QString::fromStdString(f->lblCaption1->Caption()), firstCode);
        QVERIFY(f->modified && !f->saveTargetKnown && !f->openedFromFile);
        QVERIFY(f->mnuSaveAs->Enabled());
    }

    void importAsksAboutUnsavedChanges() {
        makeBook({"unsaved"});
        desk().messageBoxAnswers.push_back(MessageAnswer::Cancel);
        frmHuevella->mnuImportClick();
        QCOMPARE(desk().messageBoxes.at(0).text, QString("Save changes to huevella?"));
        QVERIFY(desk().fileDialogs.empty());
        QCOMPARE(QString::fromStdString(frmHuevella->lblCardTitle->Caption()), QString("unsaved"));
    }
};

HUEVELLA_TEST_MAIN(TestBookExport)
#include "tst_bookexport.moc"
