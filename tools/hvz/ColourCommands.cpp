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

bool readNumbers(const std::vector<std::string_view>& operands, float (&values)[3],
                 std::string& error) {
    for (int i = 0; i < 3; ++i) {
        if (!parseDecimal(operands[i], values[i])) {
            error = "'" + std::string(operands[i]) + "' is not a decimal number";
            return false;
        }
    }
    return true;
}

bool hsl(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    float v[3];
    if (!readNumbers(operands, v, error)) return false;
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
    if (!readNumbers(operands, v, error)) return false;
    const Hsl result = ColorToHsl(v[0], v[1], v[2]);
    appendInt(out, result.hue);
    out += ' ';
    appendInt(out, result.saturation);
    out += ' ';
    appendInt(out, result.luminance);
    out += '\n';
    return true;
}

bool hex(const std::vector<std::string_view>& operands, std::string& out, std::string& error) {
    const std::string code(operands[0]);
    if (code.size() != 6) {
        error = "'" + code + "' is not a colour code: it needs exactly six characters";
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
        {"hsl", "L S H", 3, "the code RRGGBB of luminance, saturation (percent) and hue (degrees)",
         "hvz hsl 50 50 180        -> 3FBFBF", hsl},
        {"rgb", "R G B", 3, "hue, saturation and luminance (\"H S L\") of red, green and blue",
         "hvz rgb 63 191 191       -> 180 50 49", rgb},
        {"hex", "CODE", 1, "red, green and blue (\"R G B\") of a six-character code",
         "hvz hex 3399ff           -> 51 153 255", hex},
        {"code", "R G B", 3, "the code of three channels, each an integer text",
         "hvz code 51 102 153      -> 336699", code},
    };
    return commands;
}

const ColourCommand* findColourCommand(std::string_view name) {
    for (const ColourCommand& command : colourCommands())
        if (name == command.name) return &command;
    return nullptr;
}
