#include "core/book/BookEnablement.h"
#include "core/book/BookState.h"

#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(BookEvent)

// The book's own operations, as the windows call them.
class TestBookState : public QObject {
    Q_OBJECT
private slots:
    // Adding cards: each after the last, titled for its place; a full book
    // takes none, and is left as it was but for being changed.
    void addCard_data() {
        QTest::addColumn<int>("before");
        QTest::newRow("an empty book") << 0;
        QTest::newRow("one card") << 1;
        QTest::newRow("nine cards") << 9;
        QTest::newRow("full") << 10;
    }
    void addCard() {
        QFETCH(int, before);
        BookState book;
        Huevella card;
        card.setColor1(255);
        card.setCaption1("FF0000");
        card.setTitle("ignored");
        for (int i = 0; i < before; ++i)
            QCOMPARE(book.addCard(card), BookState::AddResult::Added);
        book.modified = false;
        const BookState::AddResult result = book.addCard(card);
        QCOMPARE(result, before < 10 ? BookState::AddResult::Added : BookState::AddResult::Full);
        QCOMPARE(book.lastCard, std::min(before, 9));
        QCOMPARE(book.currentCard, std::min(before, 9));
        QVERIFY(book.modified);
        QCOMPARE(book.cards[book.lastCard].getTitle(), BookState::defaultTitle(book.lastCard));
        QCOMPARE(book.cards[book.lastCard].getCaption1(), std::string("FF0000"));
    }

    // What the window offers after each event: the book followed, but for
    // the few events the window has always treated otherwise. Offers are
    // written "SACPN" (Save, Save As, Clear, Previous, Next; '-' for off).
    void enablement_data() {
        QTest::addColumn<BookEvent>("event");
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("fileKnown");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        using E = BookEvent;
        QTest::newRow("added to a book with no file")
            << E::CardAdded << 2 << 1 << true << false << "-AC--"
            << "-ACP-";
        QTest::newRow("added to a book with a file")
            << E::CardAdded << 1 << 0 << true << true << "-----"
            << "SAC--";
        QTest::newRow("middle card shown") << E::Navigated << 3 << 1 << false << true << "S-C--"
                                           << "S-CPN";
        QTest::newRow("removed: Save offered though no file")
            << E::CardRemoved << 2 << 0 << true << false << "-AC--"
            << "SAC-N";
        QTest::newRow("last card cleared") << E::Emptied << 0 << -1 << false << true << "SAC--"
                                           << "-----";
        QTest::newRow("retitled, no file") << E::Retitled << 1 << 0 << true << false << "-AC--"
                                           << "SAC--";
        QTest::newRow("opened") << E::Opened << 3 << 2 << false << true << "-----"
                                << "-ACP-";
        QTest::newRow("opened, no cards") << E::Opened << 0 << -1 << false << true << "-----"
                                          << "--C--";
        QTest::newRow("named at start") << E::OpenedAtStart << 2 << 1 << false << false << "-----"
                                        << "SACP-";
        QTest::newRow("imported") << E::Imported << 3 << 0 << true << false << "-----"
                                  << "-AC-N";
        QTest::newRow("recovered, unnamed") << E::Recovered << 1 << 0 << true << false << "-----"
                                            << "SAC--";
        QTest::newRow("saved keeps Save As") << E::Saved << 1 << 0 << false << true << "S-C--"
                                             << "--C--";
        QTest::newRow("full") << E::AddRefused << 10 << 9 << true << true << "--CP-"
                              << "S-CP-";
    }
    void enablement() {
        QFETCH(BookEvent, event);
        QFETCH(int, cards);
        QFETCH(int, current);
        QFETCH(bool, modified);
        QFETCH(bool, fileKnown);
        QFETCH(QString, before);
        QFETCH(QString, after);
        BookState book;
        book.lastCard = cards - 1;
        book.currentCard = current;
        book.modified = modified;
        book.saveTargetKnown = fileKnown;
        const auto offers = [](const QString& flags) {
            return BookEnablement{flags[0] == 'S', flags[1] == 'A', flags[2] == 'C',
                                  flags[3] == 'P', flags[4] == 'N'};
        };
        const BookEnablement got = enablementAfter(event, book, offers(before));
        const QString written = QString(got.save ? "S" : "-") + (got.saveAs ? "A" : "-") +
                                (got.clearCard ? "C" : "-") + (got.previousCard ? "P" : "-") +
                                (got.nextCard ? "N" : "-");
        QCOMPARE(written, after);
    }

    // A new title changes the book only when it is one the file keeps and
    // not the title the card has.
    void retitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("kept");
        QTest::newRow("new") << "Sea"
                             << "Sea";
        QTest::newRow("the same") << "Old"
                                  << "";
        QTest::newRow("blank") << "   "
                               << "";
        QTest::newRow("leading blanks dropped") << "  Sky"
                                                << "Sky";
        QTest::newRow("too long, cut") << "Sunset over water!!"
                                       << "Sunset over water!";
    }
    void retitle() {
        QFETCH(QString, title);
        QFETCH(QString, kept);
        BookState book;
        book.addCard(Huevella{});
        book.cards[0].setTitle("Old");
        book.modified = false;
        QCOMPARE(book.retitleCard(0, title.toStdString()), !kept.isEmpty());
        QCOMPARE(book.modified, !kept.isEmpty());
        QCOMPARE(QString::fromStdString(book.cards[0].getTitle()), kept.isEmpty() ? "Old" : kept);
        QVERIFY(!book.retitleCard(1, "Beyond the last card"));
    }
};

QTEST_APPLESS_MAIN(TestBookState)
#include "tst_bookstate.moc"
