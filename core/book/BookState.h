#pragma once

#include "core/book/Huevella.h"

#include <array>
#include <cstdint>
#include <string>

// The book: up to ten cards, the one on show, and what is known about the file
// it belongs to. Held by the book window; plain data so that the file reader,
// the command-line tool and the tests share it.
struct BookState {
    static constexpr int Capacity = 10;

    std::array<Huevella, Capacity> cards;
    std::int32_t currentCard = 0;
    std::int32_t lastCard = -1;
    std::string fileName;
    bool modified = false;
    bool openedFromFile = false;
    bool saveTargetKnown = false;

    // The longest title a book file keeps, in bytes.
    static constexpr std::size_t MaxTitleLength = 18;

    // "Untitled-" and the one-based position of the card at this index.
    static std::string defaultTitle(int index);
    // A title as a book file keeps it: control characters (a pasted line
    // break, a tab) made spaces, leading blanks dropped, cut to
    // MaxTitleLength bytes without splitting a UTF-8 character.
    static std::string fitTitle(const std::string& title);

    enum class AddResult { Added, Full };
    // Puts the card after the last, titled for its place, and shows it. A
    // full book takes nothing, but counts as changed all the same (as it
    // always has: the book asks to be saved after a refused add).
    AddResult addCard(const Huevella& card);

    enum class ClearResult { CardRemoved, BookEmptied, NothingToClear };

    // Removes the current card from the book, moving the later cards down one
    // place. A title that holds "Untitled" anywhere is renumbered for its new
    // position; other titles move unchanged.
    ClearResult clearCurrentCard();
};
