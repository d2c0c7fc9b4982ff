#include "BookFixture.h"

#include <QTemporaryDir>

#include <sys/stat.h>

using namespace bookfixture;

// The book's own file as others may have it: changed by another program
// since we read it, or not ours to write.
class TestBookDisk : public QObject, BookWindowFixture {
    Q_OBJECT

    QTemporaryDir dir;
    QString book;
    // Ten cards another program wrote.
    QByteArray theirs;

    void openTwoCards() {
        makeBook({"Dawn", "Noon"});
        frmHuevella->fileName = book.toStdString();
        frmHuevella->saveTargetKnown = true;
        frmHuevella->mnuSaveClick();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(0));
        frmHuevella->openBook(book.toStdString());
        frmHuevella->cards[0].setTitle("Dusk");
        frmHuevella->modified = true;
    }

private slots:
    void init() {
        createWindows();
        frmHuevella->showFromTray();
        book = dir.filePath("book.hvz");
        QFile::remove(book);
        QByteArray text = "9\r\n";
        for (int i = 0; i < 10; ++i)
            text += "255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\nTheirs\r\n";
        theirs = text;
    }
    void cleanup() {
        QCOMPARE(desk().unexpectedFileDialogs, 0);
        destroyWindows();
    }

    // Saving over a file another program changed since: the user chooses.
    void changedOnDiskIsAskedAbout_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("savedElsewhere");
        QTest::newRow("yes: replaced") << MessageAnswer::Yes << true << false;
        QTest::newRow("no: saved as") << MessageAnswer::No << false << true;
        QTest::newRow("cancel: nothing") << MessageAnswer::Cancel << false << false;
    }
    void changedOnDiskIsAskedAbout() {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, replaced);
        QFETCH(bool, savedElsewhere);
        openTwoCards();
        writeFile(book, theirs);
        desk().messageBoxAnswers.push_back(answer);
        const QString other = dir.filePath("mine.hvz");
        QFile::remove(other);
        if (answer == MessageAnswer::No) desk().fileDialogAnswers.push_back(other);
        frmHuevella->mnuSaveClick();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains("changed by another program"));
        QCOMPARE(contents(book) == theirs, !replaced);
        QCOMPARE(contents(book).contains("Dusk"), replaced);
        QCOMPARE(QFile::exists(other), savedElsewhere);
        if (savedElsewhere) {
            QVERIFY(contents(other).contains("Dusk"));
            QCOMPARE(QString::fromStdString(frmHuevella->fileName), other);
        }
        QCOMPARE(frmHuevella->modified, !replaced && !savedElsewhere);
    }

    // The same question when the book is saved on its way out.
    void changedOnDiskIsAskedAboutAtClose() {
        openTwoCards();
        writeFile(book, theirs);
        desk().messageBoxAnswers = {MessageAnswer::Yes, MessageAnswer::Cancel};
        QVERIFY(!frmHuevella->FormCloseQuery());
        QCOMPARE(desk().messageBoxes.size(), std::size_t(2));
        QVERIFY(desk().messageBoxes[1].text.contains("changed by another program"));
        QCOMPARE(contents(book), theirs);
    }

    // Our own saves, one after another, ask nothing.
    void ownSavesAskNothing() {
        openTwoCards();
        frmHuevella->mnuSaveClick();
        frmHuevella->cards[1].setTitle("Night");
        frmHuevella->modified = true;
        frmHuevella->mnuSaveClick();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(0));
        QVERIFY(contents(book).contains("Night"));
    }

    // A book that may not be written is not replaced by renaming over it,
    // even by the superuser: the reason is said and the book stays modified.
    void readOnlyBookIsNotReplaced() {
        openTwoCards();
        QVERIFY(chmod(book.toLocal8Bit().constData(), 0444) == 0);
        const QByteArray before = contents(book);
        frmHuevella->mnuSaveClick();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY2(desk().messageBoxes[0].text.contains("permission denied"),
                 qPrintable(desk().messageBoxes[0].text));
        QCOMPARE(contents(book), before);
        QVERIFY(frmHuevella->modified);
        QVERIFY(chmod(book.toLocal8Bit().constData(), 0644) == 0);
    }
};

HUEVELLA_TEST_MAIN(TestBookDisk)
#include "tst_bookdisk.moc"
