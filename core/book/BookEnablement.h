#pragma once

#include "core/book/BookState.h"

// What the book window offers (Save, Save As and its card buttons), worked
// out from the book after each thing that happens to it, in one place.
enum class BookEvent {
    Started,       // the window made, or the book emptied by New or Import
    Navigated,     // the previous or next card shown
    CardAdded,     // a card from the card window taken
    AddRefused,    // the book was full
    CardRemoved,   // the card on show cleared, others left
    Emptied,       // the last card cleared
    Opened,        // a file read by Open, or a book asked for by a later start
    OpenedAtStart, // the file named on the command line
    Imported,      // a palette read into a new book
    Recovered,     // a recovery copy taken back
    Saved,         // written to its file, by Save, Save As or a question
    Retitled,      // the card on show renamed
};

struct BookEnablement {
    bool save = false;
    bool saveAs = false;
    bool clearCard = false;
    bool previousCard = false;
    bool nextCard = false;
    bool operator==(const BookEnablement&) const = default;
};

// What the window offers once `event` has happened to `book`; `before` is
// what it offered until then, which a few events leave as it was.
BookEnablement enablementAfter(BookEvent event, const BookState& book,
                               const BookEnablement& before);
