#include "BookFixture.h"

#include "core/book/BookFile.h"

#include <QTemporaryDir>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace bookfixture;

// The ways a book used to get lost: failed writes that looked like saves,
// titles the file could not hold, clicks counted twice, files that are not
// books.
class TestBookSafety : public QObject, BookWindowFixture {
    Q_OBJECT

    QTemporaryDir dir;
    QString mounted;

    QString path(const QString& name) const { return dir.filePath(name); }
    // A modified book that Save writes to this file without asking.
    void bookSavedTo(const QString& file) {
        makeBook({"Dawn", "Noon"});
        frmHuevella->fileName = file.toStdString();
        frmHuevella->saveTargetKnown = true;
        frmHuevella->mnuSave->setEnabled(true);
    }
    // Save must fail: one message naming the file, the book still modified,
    // the file on disk as it was.
    void expectFailedSave(const QString& file, const QByteArray& before) {
        QCOMPARE(desk().messageBoxes.size(), size_t(1));
        QVERIFY2(desk().messageBoxes[0].text.contains(file),
                 qPrintable(desk().messageBoxes[0].text));
        QVERIFY(frmHuevella->modified);
        QVERIFY(frmHuevella->mnuSave->Enabled());
        QCOMPARE(contents(file), before);
    }
    // A tmpfs with no room left; empty when this process may not mount.
    QString fullFilesystem() {
        const QString at = path("full");
        QDir().mkpath(at);
        if (mount("tmpfs", at.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) return {};
        mounted = at;
        writeFile(at + "/book.hvz", "old book");
        QFile filler(at + "/filler");
        if (!filler.open(QIODevice::WriteOnly)) return {};
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        return at;
    }

    // What X delivers for a quick double click: the second press comes as a
    // double-click event.
    static void doubleClick(QWidget* widget) {
        const QPoint p = widget->rect().center();
        const QPoint global = widget->mapToGlobal(p);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, p, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(widget, &event);
        }
    }
    // Typed as a keyboard would, any character.
    static void type(QWidget* widget, const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
        }
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        createWindows();
        frmHuevella->showFromTray();
    }
    void cleanup() {
        QCOMPARE(desk().unexpectedMessageBoxes, 0);
        destroyWindows();
        if (!mounted.isEmpty()) umount(mounted.toLocal8Bit().constData());
        mounted.clear();
    }

    void saveOnAFullDiskKeepsTheOldFile() {
        const QString at = fullFilesystem();
        if (at.isEmpty()) QSKIP("this process may not mount a tmpfs");
        bookSavedTo(at + "/book.hvz");
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuSave->Click();
        expectFailedSave(at + "/book.hvz", "old book");
        if (QTest::currentTestFailed()) return;
        QVERIFY(
            desk().messageBoxes[0].text.contains("No space left on device", Qt::CaseInsensitive));
    }

    void closingOnAFullDiskIsRefused() {
        const QString at = fullFilesystem();
        if (at.isEmpty()) QSKIP("this process may not mount a tmpfs");
        makeBook({"Dawn"});
        frmHuevella->fileName = (at + "/book.hvz").toStdString();
        frmHuevella->openedFromFile = true;
        desk().messageBoxAnswers = {MessageAnswer::Yes, MessageAnswer::Ok};
        QVERIFY(!frmHuevella->FormCloseQuery());
        QVERIFY(frmHuevella->modified);
        QCOMPARE(contents(at + "/book.hvz"), QByteArray("old book"));
    }

    void saveOverTheFileSizeLimitKeepsTheOldFile() {
        const QString file = path("limited.hvz");
        writeFile(file, "old book");
        bookSavedTo(file);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit tight = before;
        tight.rlim_cur = 20;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuSave->Click();
        setrlimit(RLIMIT_FSIZE, &before);
        expectFailedSave(file, "old book");
    }

    void writableBookInAReadOnlyFolder() {
        // The folder refuses new files (so no file to rename over the book);
        // the book itself may be written.
        chmod(dir.path().toLocal8Bit().constData(), 0755);
        const QString folder = path("readonly");
        QDir().mkpath(folder);
        const QString file = folder + "/book.hvz";
        writeFile(file,
                  "a longer old book than the new one will be, by far: " + QByteArray(200, '.'));
        const bool root = geteuid() == 0;
        if (root) QCOMPARE(chown(file.toLocal8Bit().constData(), 65534, 65534), 0);
        // The saver's own state folder, where a rewrite in place keeps the
        // old book first.
        QTemporaryDir state;
        if (root) QCOMPARE(chown(state.path().toLocal8Bit().constData(), 65534, 65534), 0);
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        chmod(folder.toLocal8Bit().constData(), 0555);
        bookSavedTo(file);
        if (root) QCOMPARE(seteuid(65534), 0);
        frmHuevella->mnuSave->Click();
        if (root) QCOMPARE(seteuid(0), 0);
        qunsetenv("XDG_STATE_HOME");
        chmod(folder.toLocal8Bit().constData(), 0755);
        QVERIFY2(desk().messageBoxes.empty(),
                 desk().messageBoxes.empty() ? "" : qPrintable(desk().messageBoxes[0].text));
        QVERIFY(!frmHuevella->modified);
        QCOMPARE(contents(file), QByteArray(formatBook(*frmHuevella, false).c_str()));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"book.hvz"});
    }

    void notARegularFile_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo"
                              << "it is not a regular file";
        QTest::newRow("folder") << "folder"
                                << "it is a directory";
        QTest::newRow("link to a device") << "device"
                                          << "it is not a regular file";
    }
    void notARegularFile() {
        QFETCH(QString, what);
        QFETCH(QString, reason);
        QString target = what;
        if (what == "fifo") {
            target = path("pipe.hvz");
            QCOMPARE(mkfifo(target.toLocal8Bit().constData(), 0600), 0);
        } else if (what == "device") {
            target = path("device.hvz");
            QVERIFY(QFile::link("/dev/null", target));
        } else if (what == "folder") {
            target = path("folder.hvz");
            QDir().mkpath(target);
        }
        // Opening it: refused at once, the book kept.
        makeBook({"Keep"});
        frmHuevella->modified = false;
        desk().fileDialogAnswers.push_back(target);
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuOpen->Click();
        QCOMPARE(desk().messageBoxes.at(0).text,
                 "The book \"" + target + "\" cannot be opened: " + reason + ".");
        QCOMPARE(titles(), QStringList{"Keep"});
        // Saving onto it: refused the same way.
        bookSavedTo(target);
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuSave->Click();
        QCOMPARE(desk().messageBoxes.size(), size_t(2));
        QVERIFY2(desk().messageBoxes[1].text.contains(reason),
                 qPrintable(desk().messageBoxes[1].text));
        QVERIFY(frmHuevella->modified);
    }

    void openMessages_data() {
        QTest::addColumn<QByteArray>("text"); // empty: no such file
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "no such file or directory";
        QTest::newRow("blank first line") << QByteArray("\n0\n255\n0\n0\nFF0000\nspace\nspace\nT")
                                          << "line 1: a card count from 0 to 9 was expected";
        QTest::newRow("blank") << QByteArray("\n \n") << "the file is empty";
    }
    void openMessages() {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        const QString file = path("message.hvz");
        QFile::remove(file);
        if (!text.isEmpty()) writeFile(file, text);
        desk().fileDialogAnswers.push_back(file);
        desk().messageBoxAnswers.push_back(MessageAnswer::Ok);
        frmHuevella->mnuOpen->Click();
        QCOMPARE(desk().messageBoxes.at(0).text,
                 "The book \"" + file + "\" cannot be opened: " + reason + ".");
    }

    void titleEdits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("line break pasted") << ""
                                           << "Morning\nwalk"
                                           << "Morning walk";
        QTest::newRow("CR LF and tab pasted") << ""
                                              << "\tDusk\r\nlate"
                                              << "Dusk  late";
        QTest::newRow("accents beyond 18 bytes")
            << QString::fromUtf8("Café crème brûlée") << "" << QString::fromUtf8("Café crème brûl");
        QTest::newRow("typed then pasted over the limit")
            << "Seventeen letter" << QString::fromUtf8("aé") << "Seventeen lettera";
    }
    void titleEdits() {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        makeBook({"Old"});
        auto* f = frmHuevella;
        f->lblCardTitleClick();
        QTest::keyClick(f->editCardTitle, Qt::Key_Backspace);
        type(f->editCardTitle, typed);
        f->editCardTitle->insert(pasted);
        // What the box shows is what the book keeps.
        QCOMPARE(QString::fromStdString(f->editCardTitle->Text()).trimmed(), kept.trimmed());
        QTest::keyClick(f->editCardTitle, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(f->cards[0].getTitle()), kept);
        const BookReadResult read = parseBook(formatBook(*f, false));
        QVERIFY2(read.ok, read.problem.c_str());
        QCOMPARE(QString::fromStdString(read.contents.cards[0].getTitle()), kept);
    }

    void writerKeepsEveryTitleOnItsLine() {
        makeBook({"A", "B"});
        frmHuevella->cards[0].setTitle("Line\nbreak");
        const BookReadResult read = parseBook(formatBook(*frmHuevella, true));
        QVERIFY2(read.ok, read.problem.c_str());
        QCOMPARE(read.contents.cards[0].getTitle(), std::string("Line break"));
        QCOMPARE(read.contents.cards[1].getTitle(), std::string("B"));
    }

    void saveOfAnEmptyLastTitleOpensAgain() {
        const QString file = path("untitled.hvz");
        bookSavedTo(file);
        frmHuevella->cards[1].setTitle("");
        frmHuevella->mnuSave->Click();
        QVERIFY(contents(file).endsWith("space\r\n"));
        desk().fileDialogAnswers.push_back(file);
        frmHuevella->mnuOpen->Click();
        QVERIFY(desk().messageBoxes.empty());
        QCOMPARE(titles(), (QStringList{"Dawn", "Untitled-2"}));
    }

    void doubleClickIsOneClick_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("current");
        QTest::newRow("clear card") << "clear" << 2 << 1;
        QTest::newRow("previous card") << "previous" << 3 << 1;
        QTest::newRow("next card") << "next" << 3 << 1;
    }
    void doubleClickIsOneClick() {
        QFETCH(QString, button);
        QFETCH(int, cards);
        QFETCH(int, current);
        makeBook({"One", "Two", "Three"});
        auto* f = frmHuevella;
        TImage* target = f->imgBookClearCard;
        if (button == "previous") target = f->imgPreviousCard;
        if (button == "next") {
            f->currentCard = 0;
            f->setNextCardEnabled(true);
            target = f->imgNextCard;
        }
        doubleClick(target);
        QCOMPARE(f->lastCard + 1, cards);
        QCOMPARE(f->currentCard, current);
    }
};

HUEVELLA_TEST_MAIN(TestBookSafety)
#include "tst_booksafety.moc"
