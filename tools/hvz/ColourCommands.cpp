#include "ColourCommands.h"
#include "QuickLines.h"

#include "core/colour/Apca.h"
#include "core/colour/CodeFormat.h"
#include "core/colour/Contrast.h"
#include "core/colour/Conversions.h"
#include "core/colour/CssText.h"
#include "core/colour/StrToInt.h"
#include "core/colour/WholeHsl.h"

#include <charconv>
#include <cstring>
#include <optional>

namespace {

bool& cssWanted() {
    static bool css = false;
    return css;
}

bool& oklchWanted() {
    static bool oklch = false;
    return oklch;
}

std::optional<CodeFormat>& formatWanted() {
    static std::optional<CodeFormat> format;
    return format;
}

bool& apcaWanted() {
    static bool apca = false;
    return apca;
}

void appendInt(std::string& out, int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

std::string outOfRange(std::string_view operand, const Domain& domain) {
    return std::string(domain.name) + " '" + std::string(operand) + "' is out of range (0 to " +
           std::to_string(domain.high) + ")";
}

bool readNumbers(const std::vector<std::string_view>& operands, const Domain (&domains)[3],
                 float (&values)[3], std::string& error) {
    for (int i = 0; i < 3; ++i) {
        if (!parseDecimal(operands[i], values[i])) {
            error = std::string("'").append(operands[i]).append("' is not a decimal number");
            return false;
        }
        if (!(values[i] >= 0.0f && values[i] <= float(domains[i].high))) {
            error = outOfRange(operands[i], domains[i]);
            return false;
        }
    }
    return true;
}

void appendCode(std::string& out, TColor color) {
    char line[7];
    out.append(line, std::size_t(putCode(line, color) - line));
}

bool hsl(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    float v[3];
    if (!readNumbers(operands, hslDomains, v, error)) return false;
    const TColor color = HslToColor(v[0], v[1], v[2]);
    if (cssWanted())
        out += cssHex(color) + '\n';
    else
        appendCode(out, color);
    return true;
}

void appendHsl(std::string& out, const Hsl& result) {
    char line[16];
    out.append(line, std::size_t(putHsl(line, result) - line));
}

bool rgb(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    float v[3];
    if (!readNumbers(operands, channelDomains, v, error)) return false;
    if (cssWanted()) {
        // CSS's hsl() of the channels, rounded, not the truncated H S L.
        out += cssHsl(RGBColor(int(v[0]), int(v[1]), int(v[2]))) + '\n';
        return true;
    }
    appendHsl(out, ColorToHsl(v[0], v[1], v[2]));
    return true;
}

// A code as users paste it: with or without "#", six digits or the three
// of the short form, each of which stands for two.
bool readCode(std::string_view operand, TColor& color, std::string& error) {
    std::string_view text = operand;
    if (text.starts_with('#')) text.remove_prefix(1);
    std::string code(text);
    if (code.size() == 3) code = {code[0], code[0], code[1], code[1], code[2], code[2]};
    if (code.size() != 6) {
        // Appended, not "'" + string: GCC 12 at -O3 warns falsely on the
        // latter (-Wrestrict, GCC bug 105329).
        error = std::string("'").append(operand).append(
            "' is not a colour code: it needs six hexadecimal digits, or three");
        return false;
    }
    try {
        color = HexToColor(code);
        return true;
    } catch (const EConvertError& e) {
        error = e.what();
        return false;
    }
}

bool contrast(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    if (apcaWanted()) {
        TColor text, background;
        if (!readCode(operands[0], text, error) || !readCode(operands[1], background, error))
            return false;
        out += lcText(apcaLc(text, background)) + '\n';
        return true;
    }
    int hundredths;
    if (!contrastOfCodes(operands[0], operands[1], hundredths, error)) return false;
    out += ratioText(hundredths) + ' ' + levelsPassed(hundredths) + '\n';
    return true;
}

bool hex(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    try {
        TColor color;
        if (!readCode(operands[0], color, error)) return false;
        if (formatWanted()) {
            out += codeInFormat(color, *formatWanted()) + '\n';
            return true;
        }
        if (oklchWanted()) {
            out += cssOklch(color) + '\n';
            return true;
        }
        if (cssWanted()) {
            out += cssRgb(color) + '\n';
            return true;
        }
        appendInt(out, RedOf(color));
        out += ' ';
        appendInt(out, GreenOf(color));
        out += ' ';
        appendInt(out, BlueOf(color));
        out += '\n';
        return true;
    } catch (const EConvertError& e) {
        error = e.what();
        return false;
    }
}

bool code(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    try {
        for (int i = 0; i < 3; ++i) {
            const int value = StrToInt(std::string(operands[i]));
            if (value < 0 || value > 255) {
                error = outOfRange(operands[i], channelDomains[i]);
                return false;
            }
        }
        out += ChannelsToHex(std::string(operands[0]), std::string(operands[1]),
                             std::string(operands[2]));
        out += '\n';
        return true;
    } catch (const EConvertError& e) {
        error = e.what();
        return false;
    }
}

} // namespace

bool parseDecimal(std::string_view text, float& value) {
    const char* p = text.data();
    const char* end = p + text.size();
    const bool plus = p != end && *p == '+';
    if (plus) ++p;
    // Whole numbers, nearly every input, without the general reader: below
    // 2^24 each is a float exactly, as the reader would make it.
    if (end - p >= 1 && end - p <= 7) {
        int whole = 0;
        const char* c = p;
        while (c != end && unsigned(*c - '0') < 10)
            whole = whole * 10 + (*c++ - '0');
        if (c == end) {
            value = float(whole);
            return true;
        }
    }
    // Only digits, one point and one leading sign: no exponent, no "inf".
    const bool minus = p != end && *p == '-';
    if (plus && minus) return false;
    const char* q = minus ? p + 1 : p;
    bool digit = false, point = false;
    for (const char* c = q; c != end; ++c) {
        if (*c >= '0' && *c <= '9')
            digit = true;
        else if (*c == '.' && !point)
            point = true;
        else
            return false;
    }
    if (!digit) return false;
    const auto [ptr, ec] = std::from_chars(p, end, value, std::chars_format::fixed);
    return ec == std::errc() && ptr == end;
}

const std::vector<ColourCommand>& colourCommands() {
    static const std::vector<ColourCommand> commands = {
        {"hsl", "L S H", 3,
         "the code RRGGBB of luminance and saturation (percent, 0 to 100) and hue\n"
         "              (degrees, 0 to 360)",
         "hvz hsl 50 50 180        -> 3FBFBF", hsl, hslQuick},
        {"rgb", "R G B", 3,
         "hue, saturation and luminance (\"H S L\") of red, green and blue (0 to\n"
         "              255)",
         "hvz rgb 63 191 191       -> 180 50 49", rgb, rgbQuick},
        {"hex", "CODE", 1, "red, green and blue (\"R G B\") of a code: 3399ff, #3399FF or #39f",
         "hvz hex '#3399ff'        -> 51 153 255", hex},
        {"code", "R G B", 3, "the code of three channels, each an integer from 0 to 255",
         "hvz code 51 102 153      -> 336699", code},
        {"contrast", "A B", 2,
         "WCAG 2.2's contrast ratio of two codes (two decimals, cut) and the\n"
         "              levels it passes: AA, AAA, AA-large, AAA-large, or none;\n"
         "              with --min RATIO after them, exit 1 below that ratio; with\n"
         "              --apca, APCA's lightness contrast Lc of text A on background\n"
         "              B instead (signed, one decimal: 0.0.98G-4g, as apca-w3 0.1.9)",
         "hvz contrast 767676 fff  -> 4.54 AA AA-large AAA-large", contrast},
    };
    return commands;
}

const ColourCommand* findColourCommand(std::string_view name) {
    for (const ColourCommand& command : colourCommands())
        if (name == command.name) return &command;
    return nullptr;
}

bool contrastOfCodes(std::string_view a, std::string_view b, int& hundredths, std::string& error) {
    TColor first, second;
    if (!readCode(a, first, error) || !readCode(b, second, error)) return false;
    hundredths = contrastHundredths(first, second);
    return true;
}

bool parseMinimumRatio(std::string_view text, int& hundredths) {
    if (text.starts_with('+')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || !digits(whole) || !digits(fraction)) return false;
    int units = 0;
    for (const char c : whole) {
        units = units * 10 + (c - '0');
        if (units > 21) return false;
    }
    // Hundredths up: 3.101 needs 3.11.
    const auto digitAt = [&](std::size_t i) { return i < fraction.size() ? fraction[i] - '0' : 0; };
    const bool beyond =
        fraction.size() > 2 && fraction.substr(2).find_first_not_of('0') != std::string_view::npos;
    hundredths = units * 100 + digitAt(0) * 10 + digitAt(1) + (beyond ? 1 : 0);
    return units >= 1 && hundredths <= 2100;
}

void setCssOutput(bool css) {
    cssWanted() = css;
}

bool cssOutput() {
    return cssWanted() || oklchWanted() || formatWanted();
}

void setFormatOutput(const CodeFormat& format) {
    formatWanted() = format;
}

void setOklchOutput(bool oklch) {
    oklchWanted() = oklch;
}

void setApcaOutput(bool apca) {
    apcaWanted() = apca;
}
