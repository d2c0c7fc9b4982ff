#pragma once

#include "book/BookState.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The book file: the card count less one, then seven lines a card (three
// colours in decimal, three captions with "space" for an empty slot, the
// title). Lines end in CR LF; the final line end is the writer's choice.

// Larger files are refused unread: ten cards never come near this.
inline constexpr std::size_t MaxBookFileSize = 64 * 1024;

std::string formatBook(const BookState& book, bool finalLineEnd);

struct BookContents {
    std::array<Huevella, BookState::Capacity> cards;
    int lastCard = -1;
};

struct BookReadResult {
    bool ok = false;
    // The first problem, e.g. "line 9: a colour number was expected".
    std::string problem;
    BookContents contents;
};

// Checks the whole text before anything is taken from it.
BookReadResult parseBook(std::string_view text);
// Reads and parses a file; a file that cannot be read, or is larger than
// MaxBookFileSize, is a problem like any other.
BookReadResult readBookFile(const std::string& path);
