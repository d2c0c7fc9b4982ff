#include "core/colour/CodeFormat.h"

#include "core/colour/Pallet.h"

#include <cstdio>

namespace {
const char* const Placeholders[] = {"r", "g", "b", "hex", "HEX", "h", "s", "l", "rf", "gf", "bf"};

std::string filled(std::string_view name, TColor color) {
    const int channels[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    const std::string_view rgb = "rgb";
    if (name.size() == 1 && rgb.find(name[0]) != std::string_view::npos)
        return std::to_string(channels[rgb.find(name[0])]);
    if (name.size() == 2 && name[1] == 'f' && rgb.find(name[0]) != std::string_view::npos) {
        char text[16];
        std::snprintf(text, sizeof text, "%.4f", channels[rgb.find(name[0])] / 255.0);
        return text;
    }
    if (name == "HEX") return ColorToCode(color);
    if (name == "hex") {
        std::string code = ColorToCode(color);
        for (char& c : code)
            if (c >= 'A' && c <= 'F') c = char(c - 'A' + 'a');
        return code;
    }
    const auto hsl = cssHslNumbers(color);
    return hsl[std::string_view("hsl").find(name[0])];
}

// Walks the pattern: text as it stands, each placeholder filled in by
// `fill`; false, and why, at the first thing that is neither.
template <class Fill>
bool walk(std::string_view pattern, std::string& out, std::string& why, Fill fill) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if ((c == '{' || c == '}') && i + 1 < pattern.size() && pattern[i + 1] == c) {
            out += c;
            ++i;
            continue;
        }
        if (c == '}') {
            why = "a '}' with no '{' (write }} for a brace)";
            return false;
        }
        if (c != '{') {
            out += c;
            continue;
        }
        const std::size_t end = pattern.find('}', i);
        if (end == std::string_view::npos) {
            why = "a '{' with no '}' (write {{ for a brace)";
            return false;
        }
        const std::string_view name = pattern.substr(i + 1, end - i - 1);
        bool known = false;
        for (const char* p : Placeholders)
            known = known || name == p;
        if (!known) {
            why = "unknown placeholder {" + std::string(name) +
                  "}: {r} {g} {b} {hex} {HEX} {h} {s} {l} {rf} {gf} {bf}";
            return false;
        }
        out += fill(name);
        i = end;
    }
    return true;
}
} // namespace

std::string codeFormWords() {
    std::string words;
    for (const CodeForm form : CodeForms)
        words += (words.empty() ? "" : ", ") + std::string(codeFormWord(form));
    return words;
}

std::optional<CodeFormat> codeFormatNamed(std::string_view word, std::string& why) {
    if (const auto form = codeFormNamed(word)) return CodeFormat{form, {}};
    if (word.find('{') == std::string_view::npos && word.find('}') == std::string_view::npos) {
        why = "'" + std::string(word) + "' is not a format: " + codeFormWords() +
              ", or a template such as '{r}, {g}, {b}'";
        return std::nullopt;
    }
    std::string ignored;
    if (!walk(word, ignored, why, [](std::string_view) { return std::string(); }))
        return std::nullopt;
    return CodeFormat{std::nullopt, std::string(word)};
}

std::string codeInFormat(TColor color, const CodeFormat& format) {
    if (format.form) return codeInForm(color, *format.form);
    std::string out, why;
    walk(format.pattern, out, why, [color](std::string_view name) { return filled(name, color); });
    return out;
}
