#include "core/book/BookExport.h"
#include "core/colour/Pallet.h"

#include <QtTest>

#include <random>
#include <vector>

Q_DECLARE_METATYPE(std::vector<Huevella>)

// A book through a GIMP palette and back is the same book, card for card:
// cards of one title stay apart, empty cards and slots stay empty.
class TestGimpRoundTrip : public QObject {
    Q_OBJECT

    static Huevella card(const std::string& title, std::array<int, 3> colours) {
        Huevella h;
        auto slot = [&](int i, auto setColour, auto setCaption, auto setCaptionColour) {
            const bool filled = colours[std::size_t(i)] >= 0;
            const TColor c = filled ? TColor(colours[std::size_t(i)]) : BlankColor;
            (h.*setColour)(c);
            (h.*setCaption)(filled ? ColorToCode(c) : "");
            (h.*setCaptionColour)(filled ? FilledCaptionColor : BlankColor);
        };
        slot(0, &Huevella::setColor1, &Huevella::setCaption1, &Huevella::setCaptionColor1);
        slot(1, &Huevella::setColor2, &Huevella::setCaption2, &Huevella::setCaptionColor2);
        slot(2, &Huevella::setColor3, &Huevella::setCaption3, &Huevella::setCaptionColor3);
        h.setTitle(title);
        return h;
    }
    // Where the two books differ, or nothing.
    static QString difference(const BookContents& a, const BookContents& b) {
        if (a.lastCard != b.lastCard)
            return QString("%1 cards came back as %2").arg(a.lastCard + 1).arg(b.lastCard + 1);
        for (int i = 0; i <= a.lastCard; ++i) {
            const Huevella &x = a.cards[std::size_t(i)], &y = b.cards[std::size_t(i)];
            const bool same = x.getTitle() == y.getTitle() && x.getColor1() == y.getColor1() &&
                              x.getColor2() == y.getColor2() && x.getColor3() == y.getColor3() &&
                              x.getCaption1() == y.getCaption1() &&
                              x.getCaption2() == y.getCaption2() &&
                              x.getCaption3() == y.getCaption3() &&
                              x.getCaptionColor1() == y.getCaptionColor1() &&
                              x.getCaptionColor2() == y.getCaptionColor2() &&
                              x.getCaptionColor3() == y.getCaptionColor3();
            if (!same)
                return QString("card %1 ('%2') came back as '%3'")
                    .arg(i + 1)
                    .arg(QString::fromStdString(x.getTitle()),
                         QString::fromStdString(y.getTitle()));
        }
        return {};
    }
    static QString roundTrip(const BookContents& book) {
        const PaletteImport back = fromGimpPalette(toGimpPalette(book, "walk"));
        if (!back.ok) return QString::fromStdString(back.problem);
        return difference(book, back.contents);
    }

private slots:
    void cases_data() {
        QTest::addColumn<std::vector<Huevella>>("cards");
        const int r = 0xFF, g = 0xFF00, b = 0xFF0000;
        QTest::newRow("two cards of one title")
            << std::vector<Huevella>{card("Sea", {r, g, b}), card("Sea", {b, g, r})};
        QTest::newRow("an empty card between") << std::vector<Huevella>{
            card("A", {r, -1, -1}), card("B", {-1, -1, -1}), card("C", {-1, -1, g})};
        QTest::newRow("only empty cards") << std::vector<Huevella>{
            card("Untitled-1", {-1, -1, -1}), card("Untitled-2", {-1, -1, -1})};
        QTest::newRow("titles a colour name could hide")
            << std::vector<Huevella>{card("x 1", {r, g, -1}), card("x", {-1, b, r}),
                                     card("Sea side ", {g, g, g}), card("", {r, r, r})};
        QTest::newRow("ten cards")
            << std::vector<Huevella>(10, card(std::string("Caf\xC3\xA9 #2: x"), {r, -1, b}));
    }
    void cases() {
        QFETCH(std::vector<Huevella>, cards);
        BookContents book;
        for (std::size_t i = 0; i < cards.size(); ++i)
            book.cards[i] = cards[i];
        book.lastCard = int(cards.size()) - 1;
        const QString problem = roundTrip(book);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // Random books with few titles and many empty slots: the faults showed
    // in a fraction of a percent of such books.
    void randomBooks() {
        std::mt19937 random(20261207);
        const std::string titles[] = {"Dawn", "Dawn", "Noon 2", "Untitled-3", "Night "};
        for (int n = 0; n < 20000; ++n) {
            BookContents book;
            book.lastCard = int(random() % 10);
            for (int i = 0; i <= book.lastCard; ++i) {
                std::array<int, 3> colours;
                for (int& c : colours)
                    c = random() % 3 == 0 ? -1 : int(random() % 0x1000000);
                book.cards[std::size_t(i)] = card(titles[random() % 5], colours);
            }
            const QString problem = roundTrip(book);
            QVERIFY2(problem.isEmpty(), qPrintable(QString("book %1: %2").arg(n).arg(problem)));
        }
    }

    // A palette too big for a book gives its beginning, in order, and
    // counts the rest: never a later colour in a place an earlier one was
    // refused. Debian's own palettes, and the case that once did.
    void importKeepsTheBeginning_data() {
        QTest::addColumn<QByteArray>("palette");
        QByteArray reds = "GIMP Palette\n";
        for (int i = 0; i < 28; ++i)
            reds += QByteArray::number(i * 9) + " 0 0\n";
        QTest::newRow("a numbered card refused, then a loose colour")
            << reds + "0 255 0 Green 1\n0 0 255 Blue\n";
        const QDir folder("/usr/share/gimp/2.0/palettes");
        const QStringList files = folder.entryList({"*.gpl"});
        QVERIFY2(files.size() > 30, "GIMP's palettes (Debian's gimp-data) are missing");
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << file.readAll();
        }
    }
    void importKeepsTheBeginning() {
        QFETCH(QByteArray, palette);
        std::vector<std::string> colours;
        for (const QByteArray& line : palette.split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            bool r = false, g = false, b = false;
            if (words.size() < 3) continue;
            const int red = words[0].toInt(&r), green = words[1].toInt(&g),
                      blue = words[2].toInt(&b);
            if (r && g && b) colours.push_back(ColorToCode(RGBColor(red, green, blue)));
        }
        const PaletteImport read = fromGimpPalette(palette.toStdString());
        QVERIFY2(read.ok, read.problem.c_str());
        std::vector<std::string> kept;
        for (int i = 0; i <= read.contents.lastCard; ++i)
            for (const std::string& code : {read.contents.cards[std::size_t(i)].getCaption1(),
                                            read.contents.cards[std::size_t(i)].getCaption2(),
                                            read.contents.cards[std::size_t(i)].getCaption3()})
                if (!code.empty()) kept.push_back(code);
        QCOMPARE(read.colours, int(colours.size()));
        QCOMPARE(read.left, int(colours.size() - kept.size()));
        QVERIFY(kept.size() <= colours.size());
        QVERIFY(std::equal(kept.begin(), kept.end(), colours.begin()));
        QCOMPARE(leftOutMessage(read).empty(), read.left == 0);
    }

    void leftOutMessages_data() {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("message");
        QTest::newRow("forty")
            << 40 << 10 << "40 colours, and a book holds 30: the last 10 colours are left out";
        QTest::newRow("thirty-one")
            << 31 << 1 << "31 colours, and a book holds 30: the last colour is left out";
        QTest::newRow("grouped") << 29 << 2
                                 << "29 colours, kept to their cards, need more than 10 cards: "
                                    "the last 2 colours are left out";
        QTest::newRow("none") << 30 << 0 << "";
    }
    void leftOutMessages() {
        QFETCH(int, colours);
        QFETCH(int, left);
        QFETCH(QString, message);
        PaletteImport palette;
        palette.colours = colours;
        palette.left = left;
        QCOMPARE(QString::fromStdString(leftOutMessage(palette)), message);
    }

    // Other palettes read as before: no card comments, colours three to a card.
    void foreignPaletteUnchanged() {
        const PaletteImport read =
            fromGimpPalette("GIMP Palette\nName: x\n# a comment\n255 0 0 Red\n0 255 0 Green\n"
                            "0 0 255 Blue\n9 9 9 Grey\n");
        QVERIFY(read.ok);
        QCOMPARE(read.contents.lastCard, 1);
        QCOMPARE(read.contents.cards[0].getCaption3(), std::string("0000FF"));
        QCOMPARE(read.contents.cards[1].getCaption1(), std::string("090909"));
    }
};

QTEST_APPLESS_MAIN(TestGimpRoundTrip)
#include "tst_gimproundtrip.moc"
