#include "book/BookFile.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

std::string formatBook(const BookState& book, bool finalLineEnd) {
    std::string out = std::to_string(book.lastCard) + "\r\n";
    const auto caption = [](const std::string& text) { return text.empty() ? "space" : text; };
    for (int i = 0; i <= book.lastCard; ++i) {
        const Huevella& card = book.cards[i];
        for (TColor color : {card.getColor1(), card.getColor2(), card.getColor3()})
            out += std::to_string(color) + "\r\n";
        for (const std::string& text : {card.getCaption1(), card.getCaption2(), card.getCaption3()})
            out += caption(text) + "\r\n";
        out += card.getTitle();
        if (i < book.lastCard || finalLineEnd) out += "\r\n";
    }
    return out;
}

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool wholeNumber(std::string_view text, long long& value) {
    text = trimmed(text);
    if (text.empty()) return false;
    const char* begin = text.data();
    const auto [end, ec] = std::from_chars(begin, begin + text.size(), value);
    return ec == std::errc() && end == begin + text.size();
}

class Lines {
public:
    explicit Lines(std::string_view text) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines.push_back(line);
            start = end + 1;
        }
    }
    std::size_t size() const { return lines.size(); }
    std::string_view operator[](std::size_t i) const { return lines[i]; }

private:
    std::vector<std::string_view> lines;
};

BookReadResult failure(std::size_t line, const std::string& problem) {
    BookReadResult result;
    result.problem = "line " + std::to_string(line) + ": " + problem;
    return result;
}

} // namespace

BookReadResult parseBook(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        BookReadResult result;
        result.problem = "the file holds binary data, not a book";
        return result;
    }
    const Lines lines(text);
    if (lines.size() == 0 || trimmed(lines[0]).empty()) {
        BookReadResult result;
        result.problem = "the file is empty";
        return result;
    }
    long long count = 0;
    if (!wholeNumber(lines[0], count) || count < 0 || count >= BookState::Capacity)
        return failure(1, "a card count from 0 to 9 was expected");

    BookReadResult result;
    result.contents.lastCard = int(count);
    std::size_t at = 1; // index of the next line
    for (int i = 0; i <= count; ++i) {
        const std::string incomplete =
            "the file ends before card " + std::to_string(i + 1) + " is complete";
        Huevella& card = result.contents.cards[i];
        TColor colors[3];
        for (int slot = 0; slot < 3; ++slot, ++at) {
            if (at >= lines.size()) return failure(at + 1, incomplete);
            long long value = 0;
            if (!wholeNumber(lines[at], value))
                return failure(at + 1, "a colour number was expected");
            if (value < INT32_MIN || value > INT32_MAX)
                return failure(at + 1, "the colour number is out of range");
            colors[slot] = TColor(value);
        }
        std::string captions[3];
        TColor backgrounds[3];
        for (int slot = 0; slot < 3; ++slot, ++at) {
            if (at >= lines.size()) return failure(at + 1, incomplete);
            const std::string_view word = trimmed(lines[at]);
            if (word.empty() || word.size() > 7 || word.find_first_of(" \t") != word.npos)
                return failure(at + 1, "a colour code of at most 7 characters, or \"space\", "
                                       "was expected");
            if (word == "space") {
                colors[slot] = BlankColor;
                backgrounds[slot] = BlankColor;
            } else {
                captions[slot] = std::string(word);
                backgrounds[slot] = FilledCaptionColor;
            }
        }
        if (at >= lines.size()) return failure(at + 1, incomplete);
        card.setColor1(colors[0]);
        card.setColor2(colors[1]);
        card.setColor3(colors[2]);
        card.setCaptionColor1(backgrounds[0]);
        card.setCaptionColor2(backgrounds[1]);
        card.setCaptionColor3(backgrounds[2]);
        card.setCaption1(captions[0]);
        card.setCaption2(captions[1]);
        card.setCaption3(captions[2]);
        // A card without a title could never be renamed; it takes the
        // default title of its place.
        const std::string title = BookState::fitTitle(std::string(lines[at]));
        card.setTitle(title.empty() ? BookState::defaultTitle(i) : title);
        ++at;
    }
    for (; at < lines.size(); ++at)
        if (!trimmed(lines[at]).empty())
            return failure(at + 1, "the file goes on after the last card");
    result.ok = true;
    return result;
}

BookReadResult readBookFile(const std::string& path) {
    BookReadResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.problem = std::string("it cannot be opened: ") + std::strerror(errno);
        return result;
    }
    std::string text(MaxBookFileSize + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    if (in.bad()) {
        result.problem = "it cannot be read";
        return result;
    }
    text.resize(std::size_t(in.gcount()));
    if (text.size() > MaxBookFileSize) {
        result.problem = "it is larger than 64 KiB, too large to be a book";
        return result;
    }
    return parseBook(text);
}
