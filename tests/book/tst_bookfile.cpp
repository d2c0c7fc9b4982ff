#include "book/BookFile.h"

#include <QtTest>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a save asks of the disk, in order, while a test listens: "fsync
// FILE" and "rename FROM TO". The calls go on to the C library.
std::vector<std::string>* diskCalls = nullptr;

} // namespace

extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
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
};

QTEST_APPLESS_MAIN(TestBookFile)
#include "tst_bookfile.moc"
