// lab(), lch(), oklab() and hwb(): each with the fewest decimals that give
// the colour back, as hsl() and oklch() are written.

#include "core/colour/CssMath.h"
#include "core/colour/CssText.h"

#include <algorithm>
#include <cmath>

using namespace cssmath;

namespace {
// Browsers read these in their own arithmetic, a little off CSS's: a text
// is taken only within a twentieth of a level, so that they too read the
// colour: within a hundredth, since Chromium's reading of them strays
// almost half a level from CSS's for some dark channels beside bright ones.
constexpr double Margin = 0.01;
constexpr int MostDecimals = 6;

double hueRounded(double hue, double chroma, int decimals) {
    if (chroma == 0) return 0;
    const double h = roundTo(hue, decimals);
    return h >= 360 ? h - 360 : h;
}
} // namespace

std::string cssLab(TColor color) {
    double lab[3];
    srgbToLab(color, lab);
    int d = 0;
    double l = 0, a = 0, b = 0;
    for (; d <= MostDecimals; ++d) {
        const double back[3] = {l = roundTo(lab[0], d), a = roundTo(lab[1], d),
                                b = roundTo(lab[2], d)};
        double rgb[3];
        labToSrgb(back, rgb);
        if (near(rgb, color, Margin)) break;
    }
    d = std::min(d, MostDecimals);
    return "lab(" + number(l, d) + " " + number(a, d) + " " + number(b, d) + ")";
}

std::string cssLch(TColor color) {
    double lab[3];
    srgbToLab(color, lab);
    const double c = std::hypot(lab[1], lab[2]);
    const double h = hueOf(lab[1], lab[2]);
    int d = 0;
    double l = 0, chroma = 0, hue = 0;
    for (; d <= MostDecimals; ++d) {
        l = roundTo(lab[0], d);
        chroma = roundTo(c, d);
        hue = hueRounded(h, chroma, d);
        const double radians = hue * Pi / 180;
        const double back[3] = {l, chroma * std::cos(radians), chroma * std::sin(radians)};
        double rgb[3];
        labToSrgb(back, rgb);
        if (near(rgb, color, Margin)) break;
    }
    d = std::min(d, MostDecimals);
    return "lch(" + number(l, d) + " " + number(chroma, d) + " " + number(hue, d) + ")";
}

std::string cssOklab(TColor color) {
    double lab[3];
    srgbToOklab(color, lab);
    // a and b are a hundredth of lightness's percent scale: two more
    // decimals say them as finely.
    int d = 0;
    double l = 0, a = 0, b = 0;
    for (; d <= MostDecimals; ++d) {
        l = roundTo(lab[0] * 100, d);
        a = roundTo(lab[1], d + 2);
        b = roundTo(lab[2], d + 2);
        const double back[3] = {l / 100, a, b};
        double rgb[3];
        oklabToSrgb(back, rgb);
        if (near(rgb, color, Margin)) break;
    }
    d = std::min(d, MostDecimals);
    return "oklab(" + number(l, d) + "% " + number(a, d + 2) + " " + number(b, d + 2) + ")";
}

namespace {
// CSS's hwb(): the pure hue mixed with white and black.
void hwbToSrgb(double hue, double white, double black, double (&rgb)[3]) {
    white /= 100;
    black /= 100;
    if (white + black >= 1) {
        const double grey = white / (white + black) * 255;
        rgb[0] = rgb[1] = rgb[2] = grey;
        return;
    }
    const auto channel = [hue](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        return 0.5 - 0.5 * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    const double pure[3] = {channel(0), channel(8), channel(4)};
    for (int i = 0; i < 3; ++i)
        rgb[i] = (pure[i] * (1 - white - black) + white) * 255;
}
} // namespace

std::string cssHwb(TColor color) {
    const double r = RedOf(color) / 255.0, g = GreenOf(color) / 255.0, b = BlueOf(color) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double span = max - min;
    double h = 0;
    if (span > 0) {
        if (max == r)
            h = std::fmod((g - b) / span + 6, 6);
        else if (max == g)
            h = (b - r) / span + 2;
        else
            h = (r - g) / span + 4;
        h *= 60;
    }
    // Browsers draw hwb() as sRGB in their arithmetic, which is CSS's: as
    // hsl(), a text is taken with the room a rounding needs.
    int d = 0;
    double hue = 0, white = 0, black = 0;
    for (; d <= MostDecimals; ++d) {
        hue = hueRounded(h, span, d);
        white = roundTo(min * 100, d);
        black = roundTo((1 - max) * 100, d);
        double rgb[3];
        hwbToSrgb(hue, white, black, rgb);
        if (near(rgb, color, 0.49)) break;
    }
    d = std::min(d, MostDecimals);
    return "hwb(" + number(hue, d) + " " + number(white, d) + "% " + number(black, d) + "%)";
}
