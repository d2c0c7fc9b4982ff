#pragma once

#include "core/book/BookFile.h"

#include <string>
#include <string_view>

// A book's colours in the formats other tools read. Each writes the cards in
// order, leaves empty slots out, and names a colour by its card's title and
// its place ("Seaside 1"). `name` is the book's name, its file name without
// the extension.

// Each card starts with a comment line "# Huevella card N: Title", which
// GIMP and other readers skip and fromGimpPalette reads back.
inline constexpr std::string_view CardMarker = "# Huevella card ";
std::string toGimpPalette(const BookContents& book, std::string_view name);
// Adobe Swatch Exchange 1.0: a group a card, an RGB global colour a slot.
std::string toAse(const BookContents& book);
std::string toCss(const BookContents& book);
std::string toJson(const BookContents& book, std::string_view name);

struct PaletteImport {
    bool ok = false;
    std::string problem; // "line 4: ..." when not ok
    BookContents contents;
    int colours = 0; // in the palette
    int left = 0;    // left out: a book holds thirty
};
// A GIMP palette as a book: its colours three to a card (a run of names
// "Title 1", "Title 2" ... keeps its card together), the titles from the
// names where they fit. A palette of ours gives back the very book it was
// made from: its card comments start the cards, empty ones included.
PaletteImport fromGimpPalette(std::string_view text);
// What an import left out, said plainly ("40 colours, and a book holds 30:
// the last 10 are left out"); empty when it left out nothing.
std::string leftOutMessage(const PaletteImport& palette);
// The same of a file (up to a megabyte); a file that cannot be read has its
// reason in `problem`.
PaletteImport readGimpPaletteFile(const std::string& path);
