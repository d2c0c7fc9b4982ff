#pragma once

#include "core/colour/CssText.h"

#include <optional>
#include <string>
#include <string_view>

// A code's form as --format names it: one of the forms' words, or a
// template whose placeholders are filled in: {r} {g} {b} (0 to 255), {hex}
// and {HEX} (the six digits in lower and upper case), {h} {s} {l} (the
// numbers of CSS's hsl()), {rf} {gf} {bf} (0 to 1, four decimals); {{ and
// }} stand for braces.
struct CodeFormat {
    std::optional<CodeForm> form; // unset: the pattern
    std::string pattern;
};

// The format a word names; nothing, and why, for a word that names none
// or a template with a placeholder it does not know.
std::optional<CodeFormat> codeFormatNamed(std::string_view word, std::string& why);
std::string codeInFormat(TColor color, const CodeFormat& format);
// "hex, #hex, rgb, hsl, oklch, lab, lch, oklab, hwb"
std::string codeFormWords();
