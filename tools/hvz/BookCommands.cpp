#include "BookCommands.h"

#include "core/book/BookFile.h"
#include "core/book/BookText.h"
#include "core/book/InterruptedSave.h"

#include <cstdarg>
#include <cstdint>
#include <vector>

namespace {

const char* cardsWord(int count) {
    return count == 1 ? "card" : "cards";
}

// The book read, or false with its problem told.
bool readOrTell(const std::string& path, std::FILE* err, BookReadResult& read) {
    mendInterruptedSave(path);
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

std::string shown(std::string_view text) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        } else if (isC1ControlAt(text, i)) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
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

void tell(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::vector<char> text(std::size_t(length > 0 ? length : 0) + 1);
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    std::string out;
    std::string_view rest(text.data(), text.size() - 1);
    for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
        out += shown(rest.substr(0, end)) + '\n';
        rest.remove_prefix(end + 1);
    }
    out += shown(rest);
    std::fputs(out.c_str(), stderr);
}

void mendInterruptedSave(const std::string& path) {
    for (const InterruptedSave& save : findInterruptedSaves(path)) {
        const std::string problem = putBack(save);
        if (problem.empty())
            tell("hvz: %s: a save of it was stopped midway; it was put back as it was before\n",
                 path.c_str());
        else
            tell("hvz: %s: a save of it was stopped midway, and it could not be put back: %s\n",
                 path.c_str(), problem.c_str());
    }
}
