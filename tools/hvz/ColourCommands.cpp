#include "ColourCommands.h"

#include "colour/Conversions.h"
#include "colour/StrToInt.h"

#include <charconv>

namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

void appendInt(std::string& out, int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

struct Domain {
    const char* name;
    int high; // from 0 to high
};
constexpr Domain hslDomains[3] = {{"luminance", 100}, {"saturation", 100}, {"hue", 360}};
constexpr Domain channelDomains[3] = {{"red", 255}, {"green", 255}, {"blue", 255}};

std::string outOfRange(std::string_view operand, const Domain& domain) {
    return std::string(domain.name) + " '" + std::string(operand) + "' is out of range (0 to " +
           std::to_string(domain.high) + ")";
}

bool readNumbers(const std::vector<std::string_view>& operands, const Domain (&domains)[3],
                 float (&values)[3], std::string& error) {
    for (int i = 0; i < 3; ++i) {
        if (!parseDecimal(operands[i], values[i])) {
            error = "'" + std::string(operands[i]) + "' is not a decimal number";
            return false;
        }
        if (!(values[i] >= 0.0f && values[i] <= float(domains[i].high))) {
            error = outOfRange(operands[i], domains[i]);
            return false;
        }
    }
    return true;
}

bool hsl(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    float v[3];
    if (!readNumbers(operands, hslDomains, v, error)) return false;
    const TColor color = HslToColor(v[0], v[1], v[2]);
    for (int channel : {RedOf(color), GreenOf(color), BlueOf(color)}) {
        out += hexDigits[channel >> 4];
        out += hexDigits[channel & 15];
    }
    out += '\n';
    return true;
}

bool rgb(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    float v[3];
    if (!readNumbers(operands, channelDomains, v, error)) return false;
    const Hsl result = ColorToHsl(v[0], v[1], v[2]);
    appendInt(out, result.hue);
    out += ' ';
    appendInt(out, result.saturation);
    out += ' ';
    appendInt(out, result.luminance);
    out += '\n';
    return true;
}

// A code as users paste it: with or without "#", six digits or the three
// of the short form, each of which stands for two.
bool hex(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    std::string_view text = operands[0];
    if (text.starts_with('#')) text.remove_prefix(1);
    std::string code(text);
    if (code.size() == 3) code = {code[0], code[0], code[1], code[1], code[2], code[2]};
    if (code.size() != 6) {
        error = "'" + std::string(operands[0]) +
                "' is not a colour code: it needs six hexadecimal digits, or three";
        return false;
    }
    try {
        const TColor color = HexToColor(code);
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
         "hvz hsl 50 50 180        -> 3FBFBF", hsl},
        {"rgb", "R G B", 3,
         "hue, saturation and luminance (\"H S L\") of red, green and blue (0 to\n"
         "              255)",
         "hvz rgb 63 191 191       -> 180 50 49", rgb},
        {"hex", "CODE", 1, "red, green and blue (\"R G B\") of a code: 3399ff, #3399FF or #39f",
         "hvz hex '#3399ff'        -> 51 153 255", hex},
        {"code", "R G B", 3, "the code of three channels, each an integer from 0 to 255",
         "hvz code 51 102 153      -> 336699", code},
    };
    return commands;
}

const ColourCommand* findColourCommand(std::string_view name) {
    for (const ColourCommand& command : colourCommands())
        if (name == command.name) return &command;
    return nullptr;
}
