#include "BookFixture.h"

#include "book/Recovery.h"

#include <QTemporaryDir>

using namespace bookfixture;

// A book the program had no time to ask about is kept, and offered at the
// next start; the end of a session asks first where it may.
class TestRecovery : public QObject, WindowSetFixture {
    Q_OBJECT

    QTemporaryDir state, dir;
    QString book;

    void modifiedNamedBook() {
        makeBook({"Dawn", "Noon"});
        frmHuevella->fileName = book.toStdString();
        frmHuevella->saveTargetKnown = true;
        frmHuevella->modified = true;
    }
    static bool kept() { return QFile::exists(QString::fromStdString(recoveryBookPath())); }

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", state.path().toLocal8Bit()); }
    void init() {
        createWindows();
        book = dir.filePath("walk.hvz");
        QFile::remove(book);
        discardRecoveryCopy();
    }
    void cleanup() {
        QCOMPARE(desk().unexpectedMessageBoxes, 0);
        destroyWindows();
    }

    // Kept without a word, the book and its name.
    void keptWhenThereIsNoTimeToAsk() {
        modifiedNamedBook();
        QVERIFY(frmHuevella->sessionEnding(false));
        QVERIFY(desk().messageBoxes.empty());
        const auto copy = findRecoveryCopy();
        QVERIFY(copy);
        QCOMPARE(QString::fromStdString(copy->name), book);
        QVERIFY(QString::fromStdString(copy->text).contains("Noon"));
        QCOMPARE(QFileInfo(state.path() + "/huevella").permissions() & QFileDevice::ReadOther,
                 QFileDevice::Permissions());
    }

    void nothingKeptOfASavedBook() {
        makeBook({"Dawn"});
        frmHuevella->modified = false;
        frmHuevella->keepUnsavedBook();
        QVERIFY(!kept());
    }

    // With leave to ask, the close question: Yes saves, No lets the changes
    // go (nothing kept), Cancel keeps the session.
    void sessionEndAsks_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << MessageAnswer::Yes << true << true;
        QTest::newRow("no") << MessageAnswer::No << true << false;
        QTest::newRow("cancel") << MessageAnswer::Cancel << false << false;
    }
    void sessionEndAsks() {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, ends);
        QFETCH(bool, saved);
        modifiedNamedBook();
        desk().messageBoxAnswers.push_back(answer);
        QCOMPARE(frmHuevella->sessionEnding(true), ends);
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QCOMPARE(QFile::exists(book), saved);
        // What follows the answer (the display gone, a signal) keeps nothing
        // the user has answered for.
        frmHuevella->keepUnsavedBook();
        QCOMPARE(kept(), !ends);
    }

    void offeredAtTheNextStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("named, recovered") << "walk.hvz" << MessageAnswer::Yes;
        QTest::newRow("unnamed, recovered") << "" << MessageAnswer::Yes;
        QTest::newRow("let go") << "walk.hvz" << MessageAnswer::No;
    }
    void offeredAtTheNextStart() {
        QFETCH(QString, name);
        QFETCH(MessageAnswer, answer);
        modifiedNamedBook();
        if (name.isEmpty()) frmHuevella->saveTargetKnown = false;
        frmHuevella->keepUnsavedBook();
        destroyWindows();
        createWindows();
        desk().messageBoxAnswers.push_back(answer);
        frmHuevella->offerRecovery();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains("Recover the unsaved book?"));
        QVERIFY(desk().messageBoxes[0].text.contains("(2 cards)"));
        QVERIFY(!kept());
        if (answer == MessageAnswer::No) {
            QCOMPARE(frmHuevella->lastCard, -1);
            return;
        }
        QCOMPARE(frmHuevella->lastCard, 1);
        QCOMPARE(frmHuevella->cards[1].getTitle(), std::string("Noon"));
        QVERIFY(frmHuevella->modified);
        QCOMPARE(QString::fromStdString(frmHuevella->fileName), name.isEmpty() ? "" : book);
        // An unnamed book goes through Save As; a named one back to its file.
        desk().fileDialogAnswers.push_back(dir.filePath("other.hvz"));
        frmHuevella->mnuSaveClick();
        QCOMPARE(desk().fileDialogs.size(), std::size_t(name.isEmpty() ? 1 : 0));
        QVERIFY(QFile::exists(name.isEmpty() ? dir.filePath("other.hvz") : book));
        desk().fileDialogAnswers.clear();
        QFile::remove(dir.filePath("other.hvz"));
    }

    // A copy that is no longer a book is said so and left for the user.
    void brokenCopyIsLeft() {
        QDir().mkpath(QString::fromStdString(recoveryFolder()));
        writeFile(QString::fromStdString(recoveryBookPath()), "not a book");
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->offerRecovery();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains("cannot be opened"));
        QVERIFY(kept());
    }
};

HUEVELLA_TEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
