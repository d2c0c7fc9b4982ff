#include "core/book/BookState.h"

#include <QtTest>

#include <algorithm>

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
};

QTEST_APPLESS_MAIN(TestBookState)
#include "tst_bookstate.moc"
