#include "colour/CssText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// "60", "60.5": no trailing zeros, no point without decimals.
std::string number(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    if (out.find('.') != std::string::npos) {
        out.erase(out.find_last_not_of('0') + 1);
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    return out;
}

} // namespace

std::string cssHsl(TColor color) {
    const double r = RedOf(color) / 255.0, g = GreenOf(color) / 255.0, b = BlueOf(color) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double d = max - min;
    const double l = (max + min) / 2;
    double h = 0, s = 0;
    if (d > 0) {
        s = d / (1 - std::fabs(2 * l - 1));
        if (max == r)
            h = std::fmod((g - b) / d + 6, 6);
        else if (max == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h *= 60;
    }
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
    return "hsl(" + number(hue, decimals) + " " + number(sat, decimals) + "% " +
           number(lum, decimals) + "%)";
}
