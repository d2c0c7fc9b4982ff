#include "BookCommands.h"

#include "book/BookFile.h"

#include <cstdint>

namespace {

const char* cardsWord(int count) {
    return count == 1 ? "card" : "cards";
}

// Text from a file or a file name as the terminal may safely show it: a
// control character (C0, DEL, or C1 in UTF-8) is written as an escape, so
// that nothing in a book can retitle, clear or drive the terminal.
std::string shown(std::string_view text) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += "\\u00";
            out += digits[next >> 4];
            out += digits[next & 15];
            ++i;
        } else {
            out += char(c);
        }
    }
    return out;
}

// The book read, or false with its problem told.
bool readOrTell(const std::string& path, std::FILE* err, BookReadResult& read) {
    read = readBookFile(path);
    if (!read.ok) std::fprintf(err, "hvz: %s: %s\n", shown(path).c_str(), read.problem.c_str());
    return read.ok;
}

} // namespace

int showBook(const std::string& path, std::FILE* out, std::FILE* err) {
    BookReadResult read;
    if (!readOrTell(path, err, read)) return 1;
    const std::string name = shown(path);
    const int count = read.contents.lastCard + 1;
    std::fprintf(out, "%s: %d %s\n", name.c_str(), count, cardsWord(count));
    for (int i = 0; i < count; ++i) {
        const Huevella& card = read.contents.cards[i];
        std::fprintf(out, "\nCard %d: %s\n", i + 1, shown(card.getTitle()).c_str());
        const std::string captions[3] = {card.getCaption1(), card.getCaption2(),
                                         card.getCaption3()};
        const TColor colors[3] = {card.getColor1(), card.getColor2(), card.getColor3()};
        for (int slot = 0; slot < 3; ++slot) {
            if (captions[slot].empty())
                std::fprintf(out, "  %d  empty\n", slot + 1);
            else
                std::fprintf(out, "  %d  %-7s %d\n", slot + 1, shown(captions[slot]).c_str(),
                             int(colors[slot]));
        }
    }
    return 0;
}

int checkBook(const std::string& path, std::FILE* out, std::FILE* err) {
    BookReadResult read;
    if (!readOrTell(path, err, read)) return 1;
    const int count = read.contents.lastCard + 1;
    std::fprintf(out, "%s: a book of %d %s\n", shown(path).c_str(), count, cardsWord(count));
    return 0;
}
