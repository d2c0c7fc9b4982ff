#include "core/colour/CssText.h"

#include "core/colour/CssMath.h"
#include "core/colour/Pallet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

using namespace cssmath;

std::string cssHex(TColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

std::string cssRgb(TColor color, bool commas) {
    char text[32];
    std::snprintf(text, sizeof text, commas ? "rgb(%d, %d, %d)" : "rgb(%d %d %d)", RedOf(color),
                  GreenOf(color), BlueOf(color));
    return text;
}

namespace {

// CSS Color 4's hsl() as browsers draw it: its conversion to sRGB, each
// channel ×255 rounded. A text counts as giving the colour back only with
// room to spare (0.49, not 0.5), so that a browser's own rounding of the
// same arithmetic lands on the same channel too.
bool givesBack(double h, double s, double l, TColor color) {
    s /= 100;
    l /= 100;
    const auto channel = [&](double n) {
        const double k = std::fmod(n + h / 30, 12);
        const double a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    const double rgb[3] = {channel(0), channel(8), channel(4)};
    const int want[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (int i = 0; i < 3; ++i)
        if (std::fabs(rgb[i] * 255 - want[i]) >= 0.49) return false;
    return true;
}

} // namespace

std::array<std::string, 3> cssHslNumbers(TColor color) {
    const auto [h, max, min] = srgbHue(color);
    const double d = max - min;
    const double l = (max + min) / 2;
    const double s = d > 0 ? d / (1 - std::fabs(2 * l - 1)) : 0;
    // The fewest decimals that give the colour back; whole numbers for most
    // colours' neighbours would be another colour.
    int decimals = 0;
    double hue = 0, sat = 0, lum = 0;
    for (; decimals <= 6; ++decimals) {
        hue = roundTo(h, decimals);
        if (hue >= 360) hue -= 360;
        sat = roundTo(s * 100, decimals);
        lum = roundTo(l * 100, decimals);
        if (givesBack(hue, sat, lum, color)) break;
    }
    return {number(hue, decimals), number(sat, decimals), number(lum, decimals)};
}

std::string cssHsl(TColor color) {
    const auto [h, s, l] = cssHslNumbers(color);
    return "hsl(" + h + " " + s + "% " + l + "%)";
}

void oklchToSrgb(double lightnessPercent, double chroma, double hue, double (&rgb)[3]) {
    const double radians = hue * Pi / 180;
    const double lab[3] = {lightnessPercent / 100, chroma * std::cos(radians),
                           chroma * std::sin(radians)};
    oklabToSrgb(lab, rgb);
}

std::string cssOklch(TColor color) {
    double lab[3];
    srgbToOklab(color, lab);
    const double l = lab[0] * 100;
    const double c = std::hypot(lab[1], lab[2]);
    const double h = hueOf(lab[1], lab[2]);
    const int want[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    // Chroma is a hundredth of lightness's percent scale: two more decimals
    // say it as finely. Browsers read oklch() in their own arithmetic, up to
    // half a level off CSS's for some bright colours: a text is taken only
    // within a twentieth of a level, so that they too read the colour.
    int decimals = 0;
    double lum = 0, chroma = 0, hue = 0;
    for (; decimals <= 6; ++decimals) {
        lum = roundTo(l, decimals);
        chroma = roundTo(c, decimals + 2);
        hue = chroma == 0 ? 0 : roundTo(h, decimals);
        if (hue >= 360) hue -= 360;
        double back[3];
        oklchToSrgb(lum, chroma, hue, back);
        bool same = true;
        for (int i = 0; i < 3; ++i)
            same = same && std::fabs(back[i] - want[i]) < 0.05;
        if (same) break;
    }
    return "oklch(" + number(lum, decimals) + "% " + number(chroma, decimals + 2) + " " +
           number(hue, decimals) + ")";
}

std::optional<CodeForm> codeFormNamed(std::string_view word) {
    for (CodeForm form : CodeForms)
        if (codeFormWord(form) == word) return form;
    return std::nullopt;
}

std::string_view codeFormWord(CodeForm form) {
    switch (form) {
    case CodeForm::Hex: return "hex";
    case CodeForm::HashHex: return "#hex";
    case CodeForm::Rgb: return "rgb";
    case CodeForm::Hsl: return "hsl";
    case CodeForm::Oklch: return "oklch";
    case CodeForm::Lab: return "lab";
    case CodeForm::Lch: return "lch";
    case CodeForm::Oklab: return "oklab";
    case CodeForm::Hwb: return "hwb";
    }
    return "hex";
}

std::string codeInForm(TColor color, CodeForm form) {
    switch (form) {
    case CodeForm::Hex: return ColorToCode(color);
    case CodeForm::HashHex: return cssHex(color);
    case CodeForm::Rgb: return cssRgb(color);
    case CodeForm::Hsl: return cssHsl(color);
    case CodeForm::Oklch: return cssOklch(color);
    case CodeForm::Lab: return cssLab(color);
    case CodeForm::Lch: return cssLch(color);
    case CodeForm::Oklab: return cssOklab(color);
    case CodeForm::Hwb: return cssHwb(color);
    }
    return ColorToCode(color);
}
