// A GIMP palette read as a book.

#include "core/book/BookExport.h"
#include "core/book/BookFile.h"

#include "core/colour/Pallet.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string_view word(std::string_view& rest) {
    rest = trimmed(rest);
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t')
        ++end;
    const std::string_view w = rest.substr(0, end);
    rest.remove_prefix(end);
    return w;
}

struct Entry {
    TColor color;
    std::string name;
    std::string title; // of a name "Title n", with n its place
    int place = 0;
    bool cardStart = false; // one of our card comments: `title` is the card's
};

// "# Huevella card 3: Seaside", as written: the title is all after ": ",
// spaces included.
std::optional<Entry> cardComment(std::string_view line) {
    if (!line.starts_with(CardMarker)) return std::nullopt;
    line.remove_prefix(CardMarker.size());
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    if (digits == 0 || line.substr(digits, 2) != ": ") return std::nullopt;
    return Entry{BlankColor, {}, std::string(line.substr(digits + 2)), 0, true};
}

// "Seaside 2" is the second colour of the card "Seaside".
void splitName(Entry& e) {
    const std::size_t space = e.name.rfind(' ');
    if (space == std::string::npos || space + 2 != e.name.size()) return;
    const char digit = e.name.back();
    if (digit < '1' || digit > '3') return;
    e.title = e.name.substr(0, space);
    e.place = digit - '0';
}

Huevella blankCard(const std::string& title) {
    Huevella h;
    for (auto set :
         {&Huevella::setColor1, &Huevella::setColor2, &Huevella::setColor3,
          &Huevella::setCaptionColor1, &Huevella::setCaptionColor2, &Huevella::setCaptionColor3})
        (h.*set)(BlankColor);
    h.setTitle(title);
    return h;
}

PaletteImport failure(std::size_t line, const std::string& problem) {
    PaletteImport result;
    result.problem = "line " + std::to_string(line) + ": " + problem;
    return result;
}

} // namespace

PaletteImport fromGimpPalette(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<Entry> entries;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (raw.ends_with('\r')) raw.remove_suffix(1);
        const std::string_view line = trimmed(raw);
        start = end + 1;
        ++number;
        if (number > 1) {
            if (std::optional<Entry> comment = cardComment(raw)) {
                entries.push_back(*std::move(comment));
                continue;
            }
        }
        if (number == 1) {
            if (line != "GIMP Palette") return failure(1, "\"GIMP Palette\" was expected");
            continue;
        }
        if (line.empty() || line.front() == '#' || line.starts_with("Name:") ||
            line.starts_with("Columns:"))
            continue;
        std::string_view rest = line;
        int channels[3];
        for (int& c : channels) {
            const std::string_view w = word(rest);
            const auto [ptr, ec] = std::from_chars(w.data(), w.data() + w.size(), c);
            if (w.empty() || ec != std::errc() || ptr != w.data() + w.size())
                return failure(number, "three channel numbers from 0 to 255 were expected");
            if (c < 0 || c > 255)
                return failure(number,
                               "the channel '" + std::string(w) + "' is out of range (0 to 255)");
        }
        Entry e{RGBColor(channels[0], channels[1], channels[2]), std::string(trimmed(rest)), {}, 0};
        splitName(e);
        entries.push_back(e);
    }
    if (number == 0) return failure(1, "\"GIMP Palette\" was expected");

    PaletteImport result;
    result.colours = int(
        std::count_if(entries.begin(), entries.end(), [](const Entry& e) { return !e.cardStart; }));
    BookContents& book = result.contents;
    int card = -1, slot = 3, lastPlace = 0;
    std::string cardTitle;
    bool leftOut = false; // the card now being read did not fit the book
    // Once a colour is left out, so is every later one: the book keeps the
    // palette's beginning, not a colour here and there.
    bool full = false;
    for (const Entry& e : entries) {
        if (full) {
            if (!e.cardStart) ++result.left;
            continue;
        }
        if (e.cardStart) {
            leftOut = card == BookState::Capacity - 1;
            if (leftOut) continue;
            ++card;
            book.cards[std::size_t(card)] = blankCard(BookState::fitTitle(e.title));
            cardTitle = e.title;
            slot = 0;
            lastPlace = 0;
            continue;
        }
        if (leftOut) {
            ++result.left;
            full = true;
            continue;
        }
        // A run of "Title 1", "Title 2", "Title 3" keeps to one card, its
        // places kept; other colours fill the cards three by three.
        const bool sameCard = e.place > lastPlace && e.title == cardTitle && card >= 0;
        if (!(e.place ? sameCard : slot < 3)) {
            if (card == BookState::Capacity - 1) {
                ++result.left;
                full = true;
                continue;
            }
            ++card;
            slot = 0;
            cardTitle = e.place ? e.title : std::string();
            const std::string title = BookState::fitTitle(e.place          ? e.title
                                                          : e.name.empty() ? ""
                                                                           : e.name);
            const bool fits = !title.empty() && title == (e.place ? e.title : e.name);
            book.cards[std::size_t(card)] = blankCard(fits ? title : BookState::defaultTitle(card));
        }
        const int at = e.place ? e.place - 1 : slot;
        slot = at + 1;
        lastPlace = e.place;
        Huevella& h = book.cards[std::size_t(card)];
        const std::string code = ColorToCode(e.color);
        if (at == 0)
            h.setColor1(e.color), h.setCaption1(code), h.setCaptionColor1(FilledCaptionColor);
        if (at == 1)
            h.setColor2(e.color), h.setCaption2(code), h.setCaptionColor2(FilledCaptionColor);
        if (at == 2)
            h.setColor3(e.color), h.setCaption3(code), h.setCaptionColor3(FilledCaptionColor);
    }
    if (card < 0) return failure(number, "the palette has no colours");
    book.lastCard = card;
    result.ok = true;
    return result;
}

std::string leftOutMessage(const PaletteImport& palette) {
    if (palette.left <= 0) return {};
    const std::string last =
        palette.left == 1 ? "the last colour is left out"
                          : "the last " + std::to_string(palette.left) + " colours are left out";
    const int capacity = BookState::Capacity * 3;
    if (palette.colours > capacity)
        return std::to_string(palette.colours) + " colours, and a book holds " +
               std::to_string(capacity) + ": " + last;
    // Fewer than the book holds, but kept to their cards ("Sky 1", "Sky 2"
    // on one card) they need more than ten.
    return std::to_string(palette.colours) + " colours, kept to their cards, need more than " +
           std::to_string(BookState::Capacity) + " cards: " + last;
}

PaletteImport readGimpPaletteFile(const std::string& path) {
    std::string text;
    const std::string problem = readSmallFile(path, 1 << 20, text);
    if (!problem.empty()) {
        PaletteImport refused;
        refused.problem = problem;
        return refused;
    }
    return fromGimpPalette(text);
}
