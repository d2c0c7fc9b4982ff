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

double hueRounded(double hue, double chroma, int decimals) {
    if (chroma == 0) return 0;
    const double h = roundTo(hue, decimals);
    return h >= 360 ? h - 360 : h;
}
} // namespace

std::string cssLab(TColor color) {
    double lab[3];
    srgbToLab(color, lab);
    const auto numbers = [&lab](int d, double(&out)[3]) {
        for (int i = 0; i < 3; ++i)
            out[i] = roundTo(lab[i], d);
    };
    const int d = fewestDecimals(color, Margin, [&](int decimals, double(&rgb)[3]) {
        double back[3];
        numbers(decimals, back);
        labToSrgb(back, rgb);
    });
    double out[3];
    numbers(d, out);
    return "lab(" + number(out[0], d) + " " + number(out[1], d) + " " + number(out[2], d) + ")";
}

std::string cssLch(TColor color) {
    double lab[3];
    srgbToLab(color, lab);
    const double c = std::hypot(lab[1], lab[2]);
    const double h = hueOf(lab[1], lab[2]);
    // Lightness, chroma and hue written with d decimals.
    const auto numbers = [&](int d, double(&out)[3]) {
        out[0] = roundTo(lab[0], d);
        out[1] = roundTo(c, d);
        out[2] = hueRounded(h, out[1], d);
    };
    const int d = fewestDecimals(color, Margin, [&](int decimals, double(&rgb)[3]) {
        double lch[3];
        numbers(decimals, lch);
        const double radians = lch[2] * Pi / 180;
        const double back[3] = {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
        labToSrgb(back, rgb);
    });
    double out[3];
    numbers(d, out);
    return "lch(" + number(out[0], d) + " " + number(out[1], d) + " " + number(out[2], d) + ")";
}

std::string cssOklab(TColor color) {
    double lab[3];
    srgbToOklab(color, lab);
    // a and b are a hundredth of lightness's percent scale: two more
    // decimals say them as finely.
    const auto numbers = [&lab](int d, double(&out)[3]) {
        out[0] = roundTo(lab[0] * 100, d);
        out[1] = roundTo(lab[1], d + 2);
        out[2] = roundTo(lab[2], d + 2);
    };
    const int d = fewestDecimals(color, Margin, [&](int decimals, double(&rgb)[3]) {
        double out[3];
        numbers(decimals, out);
        const double back[3] = {out[0] / 100, out[1], out[2]};
        oklabToSrgb(back, rgb);
    });
    double out[3];
    numbers(d, out);
    return "oklab(" + number(out[0], d) + "% " + number(out[1], d + 2) + " " +
           number(out[2], d + 2) + ")";
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
    const auto [h, max, min] = srgbHue(color);
    const auto numbers = [&, h = h, max = max, min = min](int d, double(&out)[3]) {
        out[0] = hueRounded(h, max - min, d);
        out[1] = roundTo(min * 100, d);
        out[2] = roundTo((1 - max) * 100, d);
    };
    // Browsers draw hwb() as sRGB in their arithmetic, which is CSS's: as
    // hsl(), a text is taken with the room a rounding needs.
    const int d = fewestDecimals(color, 0.49, [&](int decimals, double(&rgb)[3]) {
        double out[3];
        numbers(decimals, out);
        hwbToSrgb(out[0], out[1], out[2], rgb);
    });
    double out[3];
    numbers(d, out);
    return "hwb(" + number(out[0], d) + " " + number(out[1], d) + "% " + number(out[2], d) + "%)";
}
