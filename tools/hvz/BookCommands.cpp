#include "BookCommands.h"

#include "book/BookFile.h"

namespace {

const char* cardsWord(int count) {
    return count == 1 ? "card" : "cards";
}

} // namespace

int showBook(const std::string& path, std::FILE* out, std::FILE* err) {
    const BookReadResult read = readBookFile(path);
    if (!read.ok) {
        std::fprintf(err, "hvz: %s: %s\n", path.c_str(), read.problem.c_str());
        return 1;
    }
    const int count = read.contents.lastCard + 1;
    std::fprintf(out, "%s: %d %s\n", path.c_str(), count, cardsWord(count));
    for (int i = 0; i < count; ++i) {
        const Huevella& card = read.contents.cards[i];
        std::fprintf(out, "\nCard %d: %s\n", i + 1, card.getTitle().c_str());
        const std::string captions[3] = {card.getCaption1(), card.getCaption2(),
                                         card.getCaption3()};
        const TColor colors[3] = {card.getColor1(), card.getColor2(), card.getColor3()};
        for (int slot = 0; slot < 3; ++slot) {
            if (captions[slot].empty())
                std::fprintf(out, "  %d  empty\n", slot + 1);
            else
                std::fprintf(out, "  %d  %-7s %d\n", slot + 1, captions[slot].c_str(),
                             int(colors[slot]));
        }
    }
    return 0;
}

int checkBook(const std::string& path, std::FILE* out, std::FILE* err) {
    const BookReadResult read = readBookFile(path);
    if (!read.ok) {
        std::fprintf(err, "%s: %s\n", path.c_str(), read.problem.c_str());
        return 1;
    }
    const int count = read.contents.lastCard + 1;
    std::fprintf(out, "%s: a book of %d %s\n", path.c_str(), count, cardsWord(count));
    return 0;
}
