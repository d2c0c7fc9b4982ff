#include "core/book/BookExport.h"

#include "core/book/BookText.h"
#include "core/colour/Pallet.h"

#include <charconv>
#include <cstdio>
#include <set>
#include <vector>

namespace {

struct Swatch {
    TColor color;
    std::string name;
};
struct Card {
    std::string title;
    TColor colors[3];
    bool filled[3];
};

// Text every format can hold: UTF-8 kept, other text (a file name or title
// from an older Windows or Latin-1 system, "caf\xe9") read as the book
// reader reads such titles.
std::string asUtf8(std::string_view text) {
    return isValidUtf8(text) ? std::string(text) : windows1252ToUtf8(text);
}

// C0, DEL and C1 controls as spaces: a name or title in any format, shown
// on a terminal, drives nothing.
std::string plainText(std::string_view text) {
    const std::string spaced = controlsToSpaces(text);
    // Copied rather than replaced in place: a replace would meet GCC 12's
    // false -Wrestrict at -O3 (GCC bug 105329).
    std::string out;
    out.reserve(spaced.size());
    for (std::size_t i = 0; i < spaced.size(); ++i) {
        const bool c1 = i + 1 < spaced.size() && isC1ControlAt(spaced, i);
        out += c1 ? ' ' : spaced[i];
        if (c1) ++i;
    }
    return out;
}

std::vector<Card> cardsOf(const BookContents& book) {
    std::vector<Card> out;
    for (int i = 0; i <= book.lastCard; ++i) {
        const Huevella& h = book.cards[std::size_t(i)];
        out.push_back(
            {plainText(asUtf8(h.getTitle())),
             {h.getColor1(), h.getColor2(), h.getColor3()},
             {!h.getCaption1().empty(), !h.getCaption2().empty(), !h.getCaption3().empty()}});
    }
    return out;
}

std::string hexCode(TColor c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

void putU16(std::string& out, unsigned v) {
    out += char((v >> 8) & 0xFF);
    out += char(v & 0xFF);
}
void putU32(std::string& out, std::uint32_t v) {
    putU16(out, v >> 16);
    putU16(out, v & 0xFFFF);
}
void putFloat(std::string& out, float f) {
    std::uint32_t bits;
    static_assert(sizeof bits == sizeof f);
    __builtin_memcpy(&bits, &f, sizeof bits);
    putU32(out, bits);
}

// UTF-8 (valid: cardsOf makes it so) as UTF-16 code units.
std::vector<unsigned> utf16(std::string_view text) {
    std::vector<unsigned> units;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        char32_t code = c;
        std::size_t length = 1;
        if (c >= 0xF0)
            code = c & 0x07, length = 4;
        else if (c >= 0xE0)
            code = c & 0x0F, length = 3;
        else if (c >= 0xC0)
            code = c & 0x1F, length = 2;
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(0xD800 + (code >> 10));
            units.push_back(0xDC00 + (code & 0x3FF));
        } else {
            units.push_back(unsigned(code));
        }
    }
    return units;
}

// A name as the format writes it: its length with the closing zero, the
// units, the zero.
std::string aseName(std::string_view text) {
    const std::vector<unsigned> units = utf16(text);
    std::string out;
    putU16(out, unsigned(units.size() + 1));
    for (unsigned u : units)
        putU16(out, u);
    putU16(out, 0);
    return out;
}

void aseBlock(std::string& out, unsigned type, const std::string& body) {
    putU16(out, type);
    putU32(out, std::uint32_t(body.size()));
    out += body;
}

std::string slug(std::string_view title) {
    std::string out;
    for (char ch : title) {
        const auto c = static_cast<unsigned char>(ch);
        // Letters beyond ASCII are a CSS name's letters too ("--café-1").
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c >= 0x80)
            out += char(c);
        else if (c >= 'A' && c <= 'Z')
            out += char(c - 'A' + 'a');
        else if (!out.empty() && out.back() != '-')
            out += '-';
    }
    while (!out.empty() && out.back() == '-')
        out.pop_back();
    return out;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const auto c = static_cast<unsigned char>(ch);
        if (isC1ControlAt(text, i)) {
            // C1 controls escaped as C0 ones are: nothing raw for a terminal.
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x",
                          static_cast<unsigned char>(text[i + 1]));
            out += escape;
            ++i;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

} // namespace

std::string toGimpPalette(const BookContents& book, std::string_view name) {
    std::string out = "GIMP Palette\nName: " + plainText(asUtf8(name)) + "\nColumns: 3\n#\n";
    int number = 0;
    for (const Card& card : cardsOf(book)) {
        // A comment every reader skips, ours reads: where each card starts,
        // so that cards of one title, or with no colours, come back apart.
        out += std::string(CardMarker) + std::to_string(++number) + ": " + card.title + "\n";
        for (int slot = 0; slot < 3; ++slot) {
            if (!card.filled[slot]) continue;
            const TColor c = card.colors[slot];
            char line[32];
            std::snprintf(line, sizeof line, "%3d %3d %3d\t", RedOf(c), GreenOf(c), BlueOf(c));
            out += line + card.title + " " + std::to_string(slot + 1) + "\n";
        }
    }
    return out;
}

std::string toAse(const BookContents& book) {
    std::string blocks;
    std::uint32_t count = 0;
    for (const Card& card : cardsOf(book)) {
        aseBlock(blocks, 0xC001, aseName(card.title));
        ++count;
        for (int slot = 0; slot < 3; ++slot) {
            if (!card.filled[slot]) continue;
            const TColor c = card.colors[slot];
            std::string body = aseName(card.title + " " + std::to_string(slot + 1)) + "RGB ";
            for (int channel : {RedOf(c), GreenOf(c), BlueOf(c)})
                putFloat(body, float(channel) / 255.0f);
            putU16(body, 0); // a global colour
            aseBlock(blocks, 0x0001, body);
            ++count;
        }
        aseBlock(blocks, 0xC002, "");
        ++count;
    }
    std::string out = "ASEF";
    putU16(out, 1);
    putU16(out, 0);
    putU32(out, count);
    return out + blocks;
}

std::string toCss(const BookContents& book) {
    std::string out = ":root {\n";
    std::set<std::string> used;
    int index = 0;
    for (const Card& card : cardsOf(book)) {
        ++index;
        std::string base = slug(card.title);
        if (base.empty()) base = "card-" + std::to_string(index);
        std::string unique = base;
        for (int n = 2; used.count(unique); ++n)
            unique = base + "-" + std::to_string(n);
        used.insert(unique);
        for (int slot = 0; slot < 3; ++slot)
            if (card.filled[slot])
                out += "  --" + unique + "-" + std::to_string(slot + 1) + ": " +
                       hexCode(card.colors[slot]) + ";\n";
    }
    return out + "}\n";
}

std::string toJson(const BookContents& book, std::string_view name) {
    std::string out = "{\"name\": " + jsonString(asUtf8(name)) + ", \"cards\": [";
    bool first = true;
    for (const Card& card : cardsOf(book)) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        out += "{\"title\": " + jsonString(card.title) + ", \"colors\": [";
        for (int slot = 0; slot < 3; ++slot) {
            if (slot) out += ", ";
            std::string code = hexCode(card.colors[slot]);
            for (char& ch : code)
                if (ch >= 'a' && ch <= 'f') ch = char(ch - 'a' + 'A');
            out += card.filled[slot] ? "\"" + code + "\"" : "null";
        }
        out += "]}";
    }
    return out + "\n]}\n";
}
