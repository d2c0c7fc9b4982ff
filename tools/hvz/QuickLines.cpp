// Long inputs of plain lines, converted without the general reader: the
// fast path of `hvz hsl` and `hvz rgb` over files and pipes.
#include "QuickLines.h"

#include "core/colour/WholeHsl.h"

#include <charconv>
#include <cstring>

namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The end of a line, LF or CRLF (as the general reader takes it): its
// length, or 0 where the line goes on. The block ends with a line end, so
// a CR is never its last character.
int lineEnd(const char* p) {
    if (*p == '\n') return 1;
    return *p == '\r' && p[1] == '\n' ? 2 : 0;
}

// Three whole numbers of up to seven digits in their ranges, between
// blanks, then the line end; p is left after it and `length` is the line's
// without its end. Anything else is the general reader's. The block ends
// with a line end, and neither a blank nor a digit is one: no loop here
// runs past it.
bool readWholeLine(const char*& p, const Domain (&domains)[3], int (&values)[3],
                   std::size_t& length) {
    const char* const line = p;
    for (int i = 0; i < 3; ++i) {
        while (isBlank(*p))
            ++p;
        const char* const start = p;
        int value = 0;
        while (unsigned(*p - '0') < 10 && p - start < 7)
            value = value * 10 + (*p++ - '0');
        if (p == start || value > domains[i].high || !(isBlank(*p) || lineEnd(p))) return false;
        values[i] = value;
    }
    while (isBlank(*p))
        ++p;
    const int end = lineEnd(p);
    if (!end) return false;
    length = std::size_t(p - line);
    p += end;
    return true;
}

template <typename Convert>
ColourCommand::Quick quickLines(std::string_view lines, char* out, std::size_t maxLine,
                                const Domain (&domains)[3], Convert convert) {
    const char* p = lines.data();
    const char* const end = p + lines.size();
    char* o = out;
    long count = 0;
    for (;;) {
        const char* const line = p;
        int v[3];
        std::size_t length = 0;
        if (p == end || !readWholeLine(p, domains, v, length) || length > maxLine) {
            p = line;
            break;
        }
        o = convert(o, v);
        ++count;
    }
    return {std::size_t(p - lines.data()), std::size_t(o - out), count};
}

// The two digits of every channel value.
struct HexPairs {
    char digits[256][2];
    constexpr HexPairs() : digits() {
        for (int v = 0; v < 256; ++v) {
            digits[v][0] = hexDigits[v >> 4];
            digits[v][1] = hexDigits[v & 15];
        }
    }
};
constexpr HexPairs hexPairs;

} // namespace

char* putCode(char* out, TColor color) {
    std::memcpy(out, hexPairs.digits[RedOf(color)], 2);
    std::memcpy(out + 2, hexPairs.digits[GreenOf(color)], 2);
    std::memcpy(out + 4, hexPairs.digits[BlueOf(color)], 2);
    out[6] = '\n';
    return out + 7;
}

char* putHsl(char* out, const Hsl& result) {
    for (const int value : {result.hue, result.saturation, result.luminance}) {
        out = std::to_chars(out, out + 4, value).ptr;
        *out++ = ' ';
    }
    out[-1] = '\n';
    return out;
}

ColourCommand::Quick hslQuick(std::string_view lines, char* out, std::size_t maxLine) {
    static WholeHslColors colors;
    return quickLines(lines, out, maxLine, hslDomains, [](char* o, const int(&v)[3]) {
        return putCode(o, colors.color(v[0], v[1], v[2]));
    });
}

ColourCommand::Quick rgbQuick(std::string_view lines, char* out, std::size_t maxLine) {
    return quickLines(lines, out, maxLine, channelDomains, [](char* o, const int(&v)[3]) {
        return putHsl(o, ColorToHsl(float(v[0]), float(v[1]), float(v[2])));
    });
}
