#include "core/book/BookEnablement.h"

#include <array>

namespace {
enum class Rule { Follow, Keep, On };

struct Exception {
    BookEvent event;
    Rule save, saveAs, clearCard;
};

// As a rule the window follows the book: Save while there are changes and a
// file to write them to, Save As and Clear while there is a card, Previous
// and Next where there is a card to go to. The book window has always
// departed from that after these events, and people know it so:
constexpr std::array Exceptions{
    //                           Save         Save As      Clear
    Exception{BookEvent::Navigated, Rule::Keep, Rule::Keep, Rule::Follow},
    Exception{BookEvent::AddRefused, Rule::Follow, Rule::Keep, Rule::Follow},
    // A removal or a new title offers Save even for a book with no file yet
    // (it then asks where, as Save As does).
    Exception{BookEvent::CardRemoved, Rule::On, Rule::Keep, Rule::Follow},
    Exception{BookEvent::Retitled, Rule::On, Rule::Keep, Rule::Follow},
    // A book read from a file offers Clear even when it holds no card.
    Exception{BookEvent::Opened, Rule::Follow, Rule::Follow, Rule::On},
    // The book named at start offers Save at once (Save As follows the
    // cards, as for any book opened).
    Exception{BookEvent::OpenedAtStart, Rule::On, Rule::Follow, Rule::On},
    Exception{BookEvent::Recovered, Rule::On, Rule::On, Rule::On},
    Exception{BookEvent::Saved, Rule::Follow, Rule::Keep, Rule::Follow},
};

bool apply(Rule rule, bool followed, bool before) {
    switch (rule) {
    case Rule::Keep: return before;
    case Rule::On: return true;
    case Rule::Follow: break;
    }
    return followed;
}
} // namespace

BookEnablement enablementAfter(BookEvent event, const BookState& book,
                               const BookEnablement& before) {
    const bool hasCard = book.lastCard >= 0;
    BookEnablement offered{
        .save = book.modified && book.saveTargetKnown,
        .saveAs = hasCard,
        .clearCard = hasCard,
        .previousCard = book.currentCard > 0,
        .nextCard = book.currentCard < book.lastCard,
    };
    for (const Exception& exception : Exceptions) {
        if (exception.event != event) continue;
        offered.save = apply(exception.save, offered.save, before.save);
        offered.saveAs = apply(exception.saveAs, offered.saveAs, before.saveAs);
        offered.clearCard = apply(exception.clearCard, offered.clearCard, before.clearCard);
    }
    return offered;
}
