#include "core/book/BookExport.h"
#include "core/book/BookFile.h"
#include "core/book/RecentColours.h"
#include "core/colour/Pallet.h"

#include <QtTest>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What a save asks of the disk, in order, while a test listens: "fsync
// FILE" and "rename FROM TO". The calls go on to the C library.
std::vector<std::string>* diskCalls = nullptr;

// A crash at the n-th write, truncation or flush, counted from 1: the
// process ends there, as a kill would end it.
int crashAt = 0;
void maybeCrash() {
    if (crashAt > 0 && --crashAt == 0) _exit(0);
}
// A folder that allows no new file, whoever we are.
bool noNewFiles = false;

} // namespace

extern "C" int mkstemp(char* pattern) {
    static const auto real = reinterpret_cast<int (*)(char*)>(dlsym(RTLD_NEXT, "mkstemp"));
    if (noNewFiles) {
        errno = EACCES;
        return -1;
    }
    return real(pattern);
}

extern "C" ssize_t pwrite(int fd, const void* data, size_t size, off_t offset) {
    static const auto real =
        reinterpret_cast<ssize_t (*)(int, const void*, size_t, off_t)>(dlsym(RTLD_NEXT, "pwrite"));
    maybeCrash();
    return real(fd, data, size, offset);
}

extern "C" int ftruncate(int fd, off_t size) noexcept {
    static const auto real = reinterpret_cast<int (*)(int, off_t)>(dlsym(RTLD_NEXT, "ftruncate"));
    maybeCrash();
    return real(fd, size);
}

extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    maybeCrash();
    if (diskCalls) {
        char target[4096];
        const ssize_t n =
            readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target);
        diskCalls->push_back("fsync " + std::string(target, n > 0 ? std::size_t(n) : 0));
    }
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto real =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (diskCalls) diskCalls->push_back(std::string("rename ") + from + " " + to);
    return real(from, to);
}

namespace {

const char* const example = "1\r\n255\r\n65280\r\n6246480\r\nFF0000\r\n00FF00\r\nspace\r\n"
                            "Untitled-1\r\n16777215\r\n6246480\r\n6246480\r\nFFFFFF\r\nspace\r\n"
                            "space\r\nEvening walk\r\n";

BookState bookOf(const BookContents& contents) {
    BookState book;
    book.cards = contents.cards;
    book.lastCard = contents.lastCard;
    return book;
}

Huevella card(std::initializer_list<std::pair<TColor, const char*>> slotList, const char* title) {
    Huevella c;
    int i = 0;
    for (auto [color, caption] : slotList) {
        const bool empty = !*caption;
        const TColor shown = empty ? BlankColor : color;
        const TColor background = empty ? BlankColor : FilledCaptionColor;
        if (i == 0) c.setColor1(shown), c.setCaption1(caption), c.setCaptionColor1(background);
        if (i == 1) c.setColor2(shown), c.setCaption2(caption), c.setCaptionColor2(background);
        if (i == 2) c.setColor3(shown), c.setCaption3(caption), c.setCaptionColor3(background);
        ++i;
    }
    c.setTitle(title);
    return c;
}

} // namespace

class TestBookFile : public QObject {
    Q_OBJECT
private slots:
    void exampleReadsAndWritesBackByteForByte() {
        const BookReadResult read = parseBook(example);
        QVERIFY2(read.ok, read.problem.c_str());
        QCOMPARE(read.contents.lastCard, 1);
        QCOMPARE(read.contents.cards[0],
                 card({{255, "FF0000"}, {65280, "00FF00"}, {0, ""}}, "Untitled-1"));
        QCOMPARE(read.contents.cards[1],
                 card({{16777215, "FFFFFF"}, {0, ""}, {0, ""}}, "Evening walk"));
        const BookState book = bookOf(read.contents);
        QCOMPARE(formatBook(book, true), std::string(example));
        std::string withoutEnd = example;
        withoutEnd.resize(withoutEnd.size() - 2);
        QCOMPARE(formatBook(book, false), withoutEnd);
    }

    void roundTrips_data() {
        QTest::addColumn<QList<Huevella>>("cards");
        QTest::newRow("one full card") << QList<Huevella>{
            card({{0x3399FF, "FF9933"}, {0, "000000"}, {0xFFFFFF, "FFFFFF"}}, "Sea")};
        QTest::newRow("three empty slots")
            << QList<Huevella>{card({{0, ""}, {0, ""}, {0, ""}}, "Untitled-1")};
        QTest::newRow("inner blanks")
            << QList<Huevella>{card({{1, "010000"}, {0, ""}, {2, "020000"}}, "a  b  c")};
        QList<Huevella> ten;
        for (int i = 0; i < 10; ++i)
            ten << card({{i, "ABCDEF"}, {-i, "1234567"}, {0, ""}},
                        BookState::defaultTitle(i).c_str());
        QTest::newRow("ten cards") << ten;
    }
    void roundTrips() {
        QFETCH(QList<Huevella>, cards);
        BookState book;
        for (int i = 0; i < cards.size(); ++i)
            book.cards[i] = cards[i];
        book.lastCard = int(cards.size()) - 1;
        for (bool finalLineEnd : {true, false}) {
            std::string text = formatBook(book, finalLineEnd);
            for (bool lfOnly : {false, true}) {
                if (lfOnly) text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
                const BookReadResult read = parseBook(text);
                QVERIFY2(read.ok, read.problem.c_str());
                QCOMPARE(read.contents.lastCard, book.lastCard);
                for (int i = 0; i <= book.lastCard; ++i)
                    QCOMPARE(read.contents.cards[i], book.cards[i]);
            }
        }
    }

    void lenientReading_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("color1");
        const QByteArray head = "0\n255\n0\n0\nFF0000\nspace\nspace\n";
        QTest::newRow("leading blanks of a title") << head + "   Dusk"
                                                   << "Dusk" << 255;
        QTest::newRow("long title cut") << head + "A title far too long to keep"
                                        << "A title far too lo" << 255;
        QTest::newRow("blank lines after the end") << head + "T\n\n\n"
                                                   << "T" << 255;
        QTest::newRow("empty title gets default") << head + "\n"
                                                  << "Untitled-1" << 255;
        QTest::newRow("space ignores its colour")
            << QByteArray("0\n12345\n0\n0\nspace\nspace\nspace\nT") << "T" << BlankColor;
        QTest::newRow("blanks around numbers")
            << QByteArray("  0 \n 255 \n0\n0\n FF0000 \nspace\nspace\nT") << "T" << 255;
        QTest::newRow("empty last title, Save's file") << head << "Untitled-1" << 255;
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + head + "Dusk"
                                         << "Dusk" << 255;
        QTest::newRow("Windows-1252 title")
            << head + "Caf\xE9 \x80 \x93" << QString::fromUtf8("Café € “") << 255;
        QTest::newRow("lone CR at the end") << head + "Dusk\r"
                                            << "Dusk" << 255;
        QTest::newRow("CR CR LF") << head + "Dusk\r\r\n"
                                  << "Dusk" << 255;
        QTest::newRow("leading tab") << head + "\t Dusk"
                                     << "Dusk" << 255;
        QTest::newRow("controls inside") << head + "Dusk\x01\x7F"
                                                   "late"
                                         << "Dusk  late" << 255;
        QTest::newRow("negative colour")
            << QByteArray("0\n-1\n0\n0\nFFFFFF\nspace\nspace\nT") << "T" << -1;
    }
    void lenientReading() {
        QFETCH(QByteArray, text);
        QFETCH(QString, title);
        QFETCH(int, color1);
        const BookReadResult read = parseBook(text.toStdString());
        QVERIFY2(read.ok, read.problem.c_str());
        QCOMPARE(QString::fromStdString(read.contents.cards[0].getTitle()), title);
        QCOMPARE(read.contents.cards[0].getColor1(), color1);
    }

    void brokenFiles_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("problem");
        const auto row = [](const char* tag, const QByteArray& text, const char* problem) {
            QTest::newRow(tag) << text << QString(problem);
        };
        const QByteArray card = "255\n0\n0\nFF0000\nspace\nspace\nT\n";
        const char* badCaption =
            "a colour code of at most 7 characters, or \"space\", was expected";
        row("empty", "", "the file is empty");
        row("blank", "\n\n", "the file is empty");
        row("count 10", "10\n" + card, "line 1: a card count from 0 to 9 was expected");
        row("count -2", "-2\n" + card, "line 1: a card count from 0 to 9 was expected");
        row("count abc", "abc\n" + card, "line 1: a card count from 0 to 9 was expected");
        row("colour word", "0\n255\nred\n0\nFF0000\nspace\nspace\nT",
            "line 3: a colour number was expected");
        row("colour out of range", "0\n4294967296\n0\n0\nFF0000\nspace\nspace\nT",
            "line 2: the colour number is out of range");
        row("caption of 8", "0\n255\n0\n0\nFF0000AB\nspace\nspace\nT",
            qPrintable(QString("line 5: ") + badCaption));
        row("caption of two words", "0\n255\n0\n0\nFF 00\nspace\nspace\nT",
            qPrintable(QString("line 5: ") + badCaption));
        row("caption with a control character",
            "0\n255\n0\n0\nFF\x01"
            "00\nspace\nspace\nT",
            qPrintable(QString("line 5: ") + badCaption));
        row("blank first line", "\n0\n" + card, "line 1: a card count from 0 to 9 was expected");
        row("empty caption", "0\n255\n0\n0\n\nspace\nspace\nT",
            qPrintable(QString("line 5: ") + badCaption));
        row("missing line", "0\n255\n0\n0\nFF0000\nspace\nspace",
            "line 8: the file ends before card 1 is complete");
        row("truncated last card", "1\n" + card + "255\n0\n",
            "line 11: the file ends before card 2 is complete");
        row("more than it says", "0\n" + card + card,
            "line 9: the file goes on after the last card");
        row("binary junk", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
            "the file holds binary data, not a book");
    }
    void brokenFiles() {
        QFETCH(QByteArray, text);
        QFETCH(QString, problem);
        const BookReadResult read = parseBook(std::string_view(text.constData(), text.size()));
        QVERIFY(!read.ok);
        QCOMPARE(QString::fromStdString(read.problem), problem);
    }

    void files() {
        QTemporaryDir dir;
        const std::string good = dir.filePath("good.hvz").toStdString();
        std::ofstream(good, std::ios::binary) << example;
        QVERIFY(readBookFile(good).ok);

        const BookReadResult missing = readBookFile(dir.filePath("none.hvz").toStdString());
        QVERIFY(!missing.ok);
        QCOMPARE(missing.problem, std::string("no such file or directory"));

        const std::string big = dir.filePath("big.hvz").toStdString();
        std::ofstream(big, std::ios::binary) << std::string(MaxBookFileSize + 1, '\n');
        QCOMPARE(readBookFile(big).problem,
                 std::string("it is larger than 64 KiB, too large to be a book"));

        QCOMPARE(readBookFile(dir.path().toStdString()).problem, std::string("it is a directory"));
        const std::string fifo = dir.filePath("pipe.hvz").toStdString();
        QCOMPARE(mkfifo(fifo.c_str(), 0600), 0);
        QCOMPARE(readBookFile(fifo).problem, std::string("it is not a regular file"));
    }

    // A file of the limit's size is read; one byte more is refused.
    void sizeLimit_data() {
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("read");
        QTest::newRow("a byte under") << -1 << true;
        QTest::newRow("exactly the limit") << 0 << true;
        QTest::newRow("a byte over") << 1 << false;
    }
    void sizeLimit() {
        QFETCH(int, extra);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const std::string path = dir.filePath("limit.hvz").toStdString();
        const std::size_t size = std::size_t(std::ptrdiff_t(MaxBookFileSize) + extra);
        std::ofstream(path, std::ios::binary) << std::string(size, '\n');
        std::string text;
        const std::string problem = readSmallFile(path, MaxBookFileSize, text);
        QCOMPARE(problem.empty(), read);
        if (read) QCOMPARE(text.size(), size);
    }

    // The new text reaches the disk before it takes the book's name: a
    // crash just after the rename finds the whole new book, not an empty one.
    void savedTextIsOnTheDiskBeforeTheRename_data() {
        QTest::addColumn<bool>("existing");
        QTest::newRow("a new book") << false;
        QTest::newRow("over a book") << true;
    }
    void savedTextIsOnTheDiskBeforeTheRename() {
        QFETCH(bool, existing);
        QTemporaryDir dir;
        const std::string path = dir.filePath("book.hvz").toStdString();
        if (existing) std::ofstream(path, std::ios::binary) << example;
        std::vector<std::string> calls;
        diskCalls = &calls;
        const std::string problem = saveBookFile(path, example);
        diskCalls = nullptr;
        QVERIFY2(problem.empty(), problem.c_str());
        const auto renamed = std::find_if(calls.begin(), calls.end(), [&](const std::string& c) {
            return c.starts_with("rename ") && c.ends_with(" " + path);
        });
        QVERIFY2(renamed != calls.end(), "the save made no rename");
        const std::string temporary = renamed->substr(7, renamed->size() - 7 - path.size() - 1);
        QVERIFY(std::find(calls.begin(), renamed, "fsync " + temporary) != renamed);
        // And the folder, so that the new name itself survives a crash.
        QVERIFY(std::find(renamed, calls.end(), "fsync " + dir.path().toStdString()) !=
                calls.end());
    }

    // A save replaces the file a link points to, keeps its permissions, and
    // leaves nothing behind.
    void savesKeepLinksAndPermissions() {
        QTemporaryDir dir;
        const QString real = dir.filePath("real.hvz");
        const QString link = dir.filePath("link.hvz");
        std::ofstream(real.toStdString()) << "old";
        QVERIFY(QFile::setPermissions(real, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(QFile::link(real, link));
        QCOMPARE(saveBookFile(link.toStdString(), example), std::string());
        QVERIFY(QFileInfo(link).isSymLink());
        QFile file(real);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(example));
        QCOMPARE(file.permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(saveBookFile(dir.filePath("no/such/folder.hvz").toStdString(), example),
                 std::string("no such file or directory"));
    }

    // Cards that share a title keep their colours apart in CSS: every
    // property a name of its own.
    void cssOfCardsWithOneTitle() {
        const std::string card =
            "255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nSea\r\n";
        const BookReadResult read = parseBook("1\r\n" + card + card);
        QVERIFY2(read.ok, read.problem.c_str());
        const QString css = QString::fromStdString(toCss(read.contents));
        QStringList names;
        for (const QString& line : css.split('\n'))
            if (line.trimmed().startsWith("--")) names << line.trimmed().section(':', 0, 0);
        QCOMPARE(names.size(), 6);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 6);
    }

    // A book that can only be rewritten where it is, the writer killed at
    // any moment: the file is then the old book, the new one, or refused —
    // never a third book made of the two (a shorter title run on into the
    // old one's tail: "Short" over "Evening10" read as "Shortng10").
    void inPlaceRewriteIsWholeOrRefused_data() {
        QTest::addColumn<int>("crash");
        for (int at = 1; at <= 9; ++at)
            QTest::addRow("killed at disk call %d", at) << at;
    }
    void inPlaceRewriteIsWholeOrRefused() {
        QFETCH(int, crash);
        QTemporaryDir dir;
        const std::string path = dir.filePath("book.hvz").toStdString();
        const std::string card = "0\r\n255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\n";
        const std::string oldText = card + "Evening10", newText = card + "Short";
        std::ofstream(path, std::ios::binary) << oldText;
        const pid_t child = fork();
        if (child == 0) {
            noNewFiles = true;
            crashAt = crash;
            _exit(saveBookFile(path, newText).empty() ? 3 : 4);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        std::ifstream in(path, std::ios::binary);
        const std::string left((std::istreambuf_iterator<char>(in)), {});
        const BookReadResult read = parseBook(left);
        if (!read.ok) return; // refused when opened, with its reason
        const std::string title = read.contents.cards[0].getTitle();
        QVERIFY2(title == "Evening10" || title == "Short", title.c_str());
        QCOMPARE(left.starts_with(oldText) ? "Evening10" : "Short", title);
        // Ended of itself: the whole new book, exactly.
        if (WEXITSTATUS(status) == 3) QCOMPARE(left, newText);
    }

    // Two programs saving one book: the second waits for the first and,
    // finding the book changed since it read it, writes nothing.
    void aSaveWaitsForAnotherAndSeesItsChange() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("book.hvz").toStdString();
        std::ofstream(path, std::ios::binary) << example;
        const FileStamp read = stampOf(path);
        int ready[2];
        QCOMPARE(pipe(ready), 0);
        const pid_t other = fork();
        if (other == 0) {
            // As another program's save: the lock held while it writes a
            // new file and renames it over the book.
            const int fd = open(path.c_str(), O_RDONLY);
            flock(fd, LOCK_EX);
            (void)!write(ready[1], "x", 1);
            usleep(300000);
            std::ofstream(path + ".new", std::ios::binary) << "theirs";
            ::rename((path + ".new").c_str(), path.c_str());
            _exit(0);
        }
        char byte;
        QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
        const std::string problem = saveBookFile(path, example, &read);
        waitpid(other, nullptr, 0);
        std::ifstream in(path, std::ios::binary);
        QCOMPARE(std::string((std::istreambuf_iterator<char>(in)), {}), std::string("theirs"));
        QCOMPARE(problem, std::string(ChangedMeanwhile));
        // As it was read, it is written.
        const FileStamp now = stampOf(path);
        QCOMPARE(saveBookFile(path, example, &now), std::string());
    }

    // A book shared in a group's folder stays the group's: its group and
    // mode are kept, another member's book stays its owner's, and in a
    // sticky folder a member who may write it writes it where it is.
    void sharedBooksStayShared_data() {
        QTest::addColumn<uid_t>("owner");
        QTest::addColumn<bool>("sticky");
        QTest::newRow("our own book, the group's") << uid_t(0) << false;
        QTest::newRow("another member's book") << uid_t(65534) << false;
        QTest::newRow("another member's book, sticky folder") << uid_t(65534) << true;
    }
    void sharedBooksStayShared() {
        QFETCH(uid_t, owner);
        QFETCH(bool, sticky);
        if (geteuid() != 0) QSKIP("only the superuser can give files to other users and groups");
        const gid_t group = 100; // users
        QTemporaryDir dir;
        const std::string folder = dir.filePath("shared").toStdString();
        const std::string path = folder + "/book.hvz";
        QCOMPARE(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
        QCOMPARE(mkdir(folder.c_str(), 0), 0);
        QCOMPARE(chown(folder.c_str(), 65534, group), 0);
        QCOMPARE(chmod(folder.c_str(), (sticky ? S_ISVTX : 0) | 0775), 0);
        std::ofstream(path, std::ios::binary) << "old";
        QCOMPARE(chown(path.c_str(), owner, group), 0);
        QCOMPARE(chmod(path.c_str(), 0664), 0);
        // Saved as a member of the group who is not the superuser, whose
        // own state folder keeps what a rewrite in place keeps first.
        const uid_t saver = owner == 0 ? 0 : 65533;
        QTemporaryDir state;
        QCOMPARE(chown(state.path().toLocal8Bit().constData(), saver, 65533), 0);
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        const gid_t groups[] = {group};
        QCOMPARE(setgroups(1, groups), 0);
        QCOMPARE(setegid(65533), 0);
        if (saver) QCOMPARE(seteuid(saver), 0);
        const std::string problem = saveBookFile(path, example);
        if (saver) QCOMPARE(seteuid(0), 0);
        QCOMPARE(setegid(0), 0);
        QCOMPARE(setgroups(0, nullptr), 0);
        qunsetenv("XDG_STATE_HOME");
        QVERIFY2(problem.empty(), problem.c_str());
        // What was kept first is gone with the rewrite that ended.
        QCOMPARE(QDir(state.path() + "/huevella").entryList(QDir::Files | QDir::Hidden),
                 QStringList());
        struct stat status {};
        QCOMPARE(stat(path.c_str(), &status), 0);
        QCOMPARE(status.st_uid, owner);
        QCOMPARE(status.st_gid, group);
        QCOMPARE(status.st_mode & 07777, mode_t(0664));
        std::ifstream in(path, std::ios::binary);
        QCOMPARE(std::string((std::istreambuf_iterator<char>(in)), {}), std::string(example));
    }

    // The recent colours' file: one RRGGBB a line, newest first, each once,
    // twelve at most; a line that is no code makes the file unreadable.
    void recentColours_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("colours"); // as read, then with 00FF00 added
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << ""
                               << "| 00FF00"
                               << "";
        QTest::newRow("two, any case, CRLF") << "1e90ff\r\nFF0000\n"
                                             << "1E90FF FF0000| 00FF00 1E90FF FF0000"
                                             << "";
        QTest::newRow("a duplicate read once") << "FF0000\n00ff00\nff0000\n"
                                               << "FF0000 00FF00| 00FF00 FF0000"
                                               << "";
        QString thirteen;
        for (int i = 1; i <= 13; ++i)
            thirteen += QString::asprintf("0000%02X\n", i);
        QTest::newRow("thirteen: the oldest gone")
            << thirteen
            << "000001 000002 000003 000004 000005 000006 000007 000008 000009 00000A 00000B "
               "00000C| 00FF00 000001 000002 000003 000004 000005 000006 000007 000008 000009 "
               "00000A 00000B"
            << "";
        QTest::newRow("a word") << "1E90FF\nblue\n"
                                << "| 00FF00"
                                << "line 2 is not a colour code";
        QTest::newRow("seven digits") << "1E90FF0\n"
                                      << "| 00FF00"
                                      << "line 1 is not a colour code";
    }
    void recentColours() {
        QFETCH(QString, text);
        QFETCH(QString, colours);
        QFETCH(QString, problem);
        const auto codes = [](const std::vector<TColor>& list) {
            QStringList out;
            for (const TColor c : list)
                out << QString::fromStdString(ColorToCode(c));
            return out.join(' ');
        };
        QTemporaryDir dir;
        const std::string path = dir.filePath("huevella/recent").toStdString();
        QVERIFY(QDir(dir.path()).mkdir("huevella"));
        std::ofstream(path) << text.toStdString();
        const RecentColours read = readRecent(path, false);
        QCOMPARE(QString::fromStdString(read.problem), problem);
        std::string why;
        const RecentColours added = addRecent(path, RGBColor(0, 255, 0), why);
        QCOMPARE(QString::fromStdString(why), QString());
        QCOMPARE(codes(read.colours) + "| " + codes(added.colours), colours);
        // What was written is what is read, and an unreadable file is kept
        // aside, not lost.
        QCOMPARE(codes(readRecent(path, false).colours), codes(added.colours));
        QCOMPARE(QFile::exists(QString::fromStdString(path + ".broken")), !problem.isEmpty());
    }

    // Two programs adding at once keep each other's colours.
    void recentColoursFromTwoPrograms() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("huevella/recent").toStdString();
        std::vector<pid_t> children;
        for (int program = 0; program < 2; ++program) {
            const pid_t child = ::fork();
            if (child == 0) {
                for (int i = 0; i < 6; ++i) {
                    std::string why;
                    addRecent(path, RGBColor(program, i, 0), why);
                    if (!why.empty()) _exit(1);
                }
                _exit(0);
            }
            children.push_back(child);
        }
        for (const pid_t child : children) {
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QCOMPARE(status, 0);
        }
        QCOMPARE(readRecent(path, false).colours.size(), std::size_t(12));
    }
};

QTEST_APPLESS_MAIN(TestBookFile)
#include "tst_bookfile.moc"
