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

    // Renames a card with a title as fitTitle makes it; an empty or the
    // same title changes nothing (false).
    bool retitleCard(int index, const std::string& title);
    // No cards, no file: as at start.
    void empty();
    // Cards read from elsewhere into an empty book, the first on show: a
    // change, as nothing of them is saved yet.
    void takeImported(const std::array<Huevella, Capacity>& imported, int last);
    // Read from `file`; with `targetKnown`, Save writes there without asking.
    void openedFrom(const std::string& file, bool targetKnown);
    // Unsaved work taken back from a recovery copy, of `file` where it had one.
    void recovered(const std::string& file);
    // Written to `file`, which is now the book's.
    void savedTo(const std::string& file);
    // The changes were written where the person chose when asked; the
    // book's own file stays as it was.
    void changesSaved();
};
