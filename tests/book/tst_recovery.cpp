#include "BookFixture.h"

#include "core/book/InterruptedSave.h"
#include "core/book/Recovery.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>

using namespace bookfixture;

// A book the program had no time to ask about is kept, and offered at the
// next start; the end of a session asks first where it may.
class TestRecovery : public QObject, BookWindowFixture {
    Q_OBJECT

    QTemporaryDir state, dir;
    QString book;

    void modifiedNamedBook() {
        makeBook({"Dawn", "Noon"});
        frmHuevella->fileName = book.toStdString();
        frmHuevella->saveTargetKnown = true;
        frmHuevella->modified = true;
    }
    static bool kept() { return !findRecoveryCopies().empty() || QFile::exists(ownCopy()); }
    static QString ownCopy() { return QString::fromStdString(ownRecoveryPath()); }
    static void discardAll() {
        for (const RecoveryCopy& copy : findRecoveryCopies())
            discardRecoveryCopy(copy.path);
        QFile::remove(ownCopy());
    }
    // As another program would have kept it.
    static QString keptElsewhere(const std::string& name, const std::string& text, int age) {
        QDir().mkpath(QString::fromStdString(recoveryFolder()));
        static int n = 0;
        const QString path =
            QString::fromStdString(recoveryFolder()) + QString("/unsaved-%1-1.recovery").arg(++n);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(formatRecoveryCopy({text, name, {}})));
        file.close();
        const QDateTime when = QDateTime::currentDateTime().addSecs(-age);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(when, QFileDevice::FileModificationTime);
        return path;
    }

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", state.path().toLocal8Bit()); }
    void init() {
        createWindows();
        book = dir.filePath("walk.hvz");
        QFile::remove(book);
        discardAll();
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
        QFile own(ownCopy());
        QVERIFY(own.open(QIODevice::ReadOnly));
        RecoveryCopy copy_;
        QVERIFY(parseRecoveryCopy(own.readAll().toStdString(), copy_));
        const RecoveryCopy* copy = &copy_;
        QCOMPARE(QString::fromStdString(copy->name), book);
        QVERIFY(QString::fromStdString(copy->text).contains("Noon"));
        QCOMPARE(QFileInfo(state.path() + "/huevella").permissions() & QFileDevice::ReadOther,
                 QFileDevice::Permissions());
        QCOMPARE(QFileInfo(ownCopy()).permissions() &
                     (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
    }

    // Without HOME, the home the system has for the user; never a folder
    // anyone could make first.
    void noHomeMeansThePasswordDatabase() {
        const QByteArray home = qgetenv("HOME");
        qunsetenv("XDG_STATE_HOME");
        qunsetenv("HOME");
        const QString folder = QString::fromStdString(recoveryFolder());
        qputenv("HOME", home);
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        QCOMPARE(folder, QString(getpwuid(geteuid())->pw_dir) + "/.local/state/huevella");
    }

    // What another user could have put in our folders, or a folder others
    // may write to, is never offered.
    void onlyOurOwnCopiesAreOffered_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("a link to a copy") << "link";
        QTest::newRow("a pipe") << "fifo";
        QTest::newRow("a folder others may write to") << "open folder";
        if (geteuid() == 0) QTest::newRow("another user's copy") << "foreign";
    }
    void onlyOurOwnCopiesAreOffered() {
        QFETCH(QString, what);
        const QString folder = QString::fromStdString(recoveryFolder());
        const QString copy = keptElsewhere(book.toStdString(), "0\r\n", 0);
        const QByteArray path =
            (what == "link" || what == "fifo" ? folder + "/unsaved-9-9.recovery" : copy)
                .toLocal8Bit();
        if (what == "link") QVERIFY(QFile::link(dir.filePath("elsewhere"), path));
        if (what == "link") QVERIFY(QFile::rename(copy, dir.filePath("elsewhere")));
        if (what == "fifo") QCOMPARE(mkfifo(path.constData(), 0600), 0);
        if (what == "fifo") QFile::remove(copy);
        if (what == "foreign") QCOMPARE(chown(path.constData(), 65534, 65534), 0);
        if (what == "open folder") QCOMPARE(chmod(folder.toLocal8Bit().constData(), 0777), 0);
        const std::size_t found = findRecoveryCopies().size();
        frmHuevella->offerRecovery();
        chmod(folder.toLocal8Bit().constData(), 0700);
        QFile::remove(path);
        QCOMPARE(found, std::size_t(0));
        QCOMPARE(desk().messageBoxes.size(), std::size_t(0));
    }

    // A rewrite in place stopped midway left the book unreadable: the next
    // start offers the book as it was; No keeps it for the next time.
    void interruptedSaveIsOffered_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("put back") << MessageAnswer::Yes;
        QTest::newRow("not now") << MessageAnswer::No;
    }
    void interruptedSaveIsOffered() {
        QFETCH(MessageAnswer, answer);
        const QByteArray before = "0\r\n255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\nOld\r\n";
        writeFile(book, before);
        std::string kept;
        QCOMPARE(keepBeforeRewrite(book.toStdString(), before.toStdString(), "0\r\n", kept),
                 std::string());
        writeFile(book, QByteArray(1, '\0') + before.mid(1));
        desk().messageBoxAnswers.push_back(answer);
        frmHuevella->offerRecovery();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QCOMPARE(desk().messageBoxes[0].text,
                 "Huevella was stopped while saving " + book +
                     ": the book before that save was kept. Put it back?");
        QCOMPARE(contents(book) == before, answer == MessageAnswer::Yes);
        QCOMPARE(findInterruptedSaves(book.toStdString()).size(),
                 std::size_t(answer == MessageAnswer::Yes ? 0 : 1));
        rewriteFinished(kept);
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

    // The file a recovered book goes back to: its first save asks first if
    // the file changed since the program that kept the copy last saw it.
    void offeredAtTheNextStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("file"); // none, saved, changed since
        QTest::newRow("named, recovered") << "walk.hvz" << MessageAnswer::Yes << "none";
        QTest::newRow("unnamed, recovered") << "" << MessageAnswer::Yes << "none";
        QTest::newRow("let go") << "walk.hvz" << MessageAnswer::No << "none";
        QTest::newRow("file unchanged since") << "walk.hvz" << MessageAnswer::Yes << "saved";
        QTest::newRow("file changed since") << "walk.hvz" << MessageAnswer::Yes << "changed";
    }
    void offeredAtTheNextStart() {
        QFETCH(QString, name);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, file);
        modifiedNamedBook();
        if (name.isEmpty()) frmHuevella->saveTargetKnown = false;
        if (file != "none") {
            frmHuevella->mnuSaveClick();
            frmHuevella->modified = true;
        }
        frmHuevella->keepUnsavedBook();
        if (file == "changed")
            writeFile(book, "0\r\n0\r\n0\r\n0\r\n000000\r\n000000\r\n000000\r\nTheirs\r\n");
        // As the next start finds it: another program's copy.
        QVERIFY(QFile::rename(ownCopy(),
                              QString::fromStdString(recoveryFolder()) + "/unsaved-1-1.recovery"));
        destroyWindows();
        createWindows();
        desk().messageBoxAnswers.push_back(answer);
        frmHuevella->offerRecovery();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains("Recover the unsaved book?"));
        QVERIFY(desk().messageBoxes[0].text.contains("(2 cards)"));
        // Let go at No; taken at Yes, the copy stays until the book is kept
        // anew or saved.
        QCOMPARE(findRecoveryCopies().size(), std::size_t(answer == MessageAnswer::Yes ? 1 : 0));
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
        if (file == "changed") desk().messageBoxAnswers.push_back(MessageAnswer::Yes);
        frmHuevella->mnuSaveClick();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(file == "changed" ? 2 : 1));
        if (file == "changed")
            QVERIFY(desk().messageBoxes[1].text.contains("changed by another program"));
        QCOMPARE(desk().fileDialogs.size(), std::size_t(name.isEmpty() ? 1 : 0));
        QVERIFY(QFile::exists(name.isEmpty() ? dir.filePath("other.hvz") : book));
        // Saved, its copy has served.
        QVERIFY(!frmHuevella->recoveryTask());
        QVERIFY(findRecoveryCopies().empty());
        desk().fileDialogAnswers.clear();
        QFile::remove(dir.filePath("other.hvz"));
    }

    // A copy that is no longer a book is said so and left for the user.
    void brokenCopyIsLeft() {
        const QString broken = keptElsewhere("", "not a book", 0);
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->offerRecovery();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(1));
        QVERIFY(desk().messageBoxes[0].text.contains("cannot be opened"));
        QVERIFY(desk().messageBoxes[0].text.contains(broken));
        QVERIFY(QFile::exists(broken));
    }

    // Two programs keep two copies, each whole; the next start offers both,
    // newest first.
    void everyCopyIsOfferedNewestFirst() {
        keptElsewhere(dir.filePath("a.hvz").toStdString(),
                      "0\r\n255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\nA\r\n", 60);
        keptElsewhere(dir.filePath("b.hvz").toStdString(),
                      "0\r\n255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\nB\r\n", 5);
        desk().messageBoxAnswers = {MessageAnswer::No, MessageAnswer::Yes};
        frmHuevella->offerRecovery();
        QCOMPARE(desk().messageBoxes.size(), std::size_t(2));
        QVERIFY(desk().messageBoxes[0].text.contains(dir.filePath("b.hvz")));
        QVERIFY(desk().messageBoxes[1].text.contains(dir.filePath("a.hvz")));
        QCOMPARE(frmHuevella->cards[0].getTitle(), std::string("A"));
        QCOMPARE(QString::fromStdString(frmHuevella->fileName), dir.filePath("a.hvz"));
        // b let go; a kept until its book is kept anew, which replaces it.
        QCOMPARE(findRecoveryCopies().size(), std::size_t(1));
        QVERIFY(frmHuevella->recoveryTask()());
        QVERIFY(findRecoveryCopies().empty());
        QVERIFY(QFile::exists(ownCopy()));
    }

    // A session manager's question answered No settles the book as it is
    // then; when the session goes on, a later change is kept again.
    void anAnsweredSessionKeepsLaterChanges() {
        modifiedNamedBook();
        desk().messageBoxAnswers.push_back(MessageAnswer::No);
        QVERIFY(frmHuevella->sessionEnding(true));
        QVERIFY(!frmHuevella->recoveryTask());
        frmHuevella->imgBookClearCardClick();
        QVERIFY(frmHuevella->recoveryTask());
    }

    // The state folder cannot be written: the runtime folder holds the copy;
    // neither can be: a named book's copy goes beside it, hidden, and is
    // found when that book is opened; an unnamed one is lost, and said.
    void keptInTheNextPlaceWhenOneFails() {
        QTemporaryDir runtime;
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        const QString stateFolder = QString::fromStdString(recoveryFolder());
        const QString runtimeFolder = runtime.path() + "/huevella-recovery";
        QDir(stateFolder).removeRecursively();
        writeFile(stateFolder, "a file where the folder goes");
        const std::string problem = keepRecoveryCopy({"0\r\n", "", {}});
        const std::size_t found = findRecoveryCopies().size();
        const bool inRuntime = QFile::exists(runtimeFolder);
        QDir(runtimeFolder).removeRecursively();
        writeFile(runtimeFolder, "a file");
        const std::string named = keepRecoveryCopy({"0\r\n", book.toStdString(), {}});
        const QStringList beside =
            QDir(dir.path()).entryList({".walk.hvz.unsaved-*"}, QDir::Hidden | QDir::Files);
        const bool lostBefore = recoveryCopyLost();
        const std::string nowhere = keepRecoveryCopy({"0\r\n", "", {}});
        QFile::remove(stateFolder);
        QFile::remove(runtimeFolder);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        QVERIFY2(problem.empty(), problem.c_str());
        QVERIFY(inRuntime);
        QCOMPARE(found, std::size_t(0)); // its own copy is not offered to itself
        QVERIFY2(named.empty(), named.c_str());
        QCOMPARE(beside.size(), 1);
        QVERIFY(!lostBefore);
        QVERIFY(!nowhere.empty());
        QVERIFY(recoveryCopyLost());
        // Another program's copy beside the book: offered with that book.
        const QString other = dir.filePath(".walk.hvz.unsaved-5-5.recovery");
        QVERIFY(QFile::copy(dir.filePath(beside[0]), other));
        QCOMPARE(findRecoveryCopies().size(), std::size_t(0));
        const std::vector<RecoveryCopy> withBook = findRecoveryCopies(book.toStdString());
        QFile::remove(dir.filePath(beside[0]));
        QFile::remove(other);
        QCOMPARE(withBook.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(withBook[0].name), book);
    }
};

HUEVELLA_TEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
