#pragma once

#include "core/colour/TColor.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A colour as CSS Color 4 writes it, for pasting into style sheets.
// "#3366CC"
std::string cssHex(TColor color);
// "rgb(51 102 204)", or with commas "rgb(51, 102, 204)"
std::string cssRgb(TColor color, bool commas = false);
// "hsl(220 60% 50%)", "hsl(209.6 100% 55.9%)": CSS's own conversion (hue
// in degrees, saturation and lightness in percent), with the fewest
// decimals (one at most for every colour) that give the colour back when a
// browser reads it; a grey has hue 0.
std::string cssHsl(TColor color);
// Its three numbers: "209.6", "100", "55.9".
std::array<std::string, 3> cssHslNumbers(TColor color);
// "oklch(62.8% 0.2577 29.23)": CSS's Oklch from sRGB through its own
// matrices, lightness in percent, with the fewest decimals that give the
// colour back; a grey has chroma and hue 0.
std::string cssOklch(TColor color);
// "lab(54.29 -4.26 -48.6)": CIE Lab under D50 through CSS's own matrices;
// "lch(54.29 48.79 264.99)" its polar form; "oklab(62.8% 0.2249 0.1258)"
// (lightness in percent); "hwb(210 12% 0%)": each with the fewest decimals
// that give the colour back, a grey's hue 0.
std::string cssLab(TColor color);
std::string cssLch(TColor color);
std::string cssOklab(TColor color);
std::string cssHwb(TColor color);
// The colour an oklch() of those numbers stands for, each sRGB channel 0 to
// 255 unrounded (outside that range where it is outside sRGB).
void oklchToSrgb(double lightnessPercent, double chroma, double hue, double (&rgb)[3]);

// The forms a picked colour is given in: "hex" (the six digits a caption
// copies), "#hex", "rgb", "hsl", "oklch", "lab", "lch", "oklab", "hwb".
enum class CodeForm { Hex, HashHex, Rgb, Hsl, Oklch, Lab, Lch, Oklab, Hwb };
inline constexpr CodeForm CodeForms[] = {CodeForm::Hex, CodeForm::HashHex, CodeForm::Rgb,
                                         CodeForm::Hsl, CodeForm::Oklch,   CodeForm::Lab,
                                         CodeForm::Lch, CodeForm::Oklab,   CodeForm::Hwb};
// The form named by its word; nothing for a word that names none.
std::optional<CodeForm> codeFormNamed(std::string_view word);
std::string_view codeFormWord(CodeForm form);
std::string codeInForm(TColor color, CodeForm form);
