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
    int hue = int(std::lround(h)) % 360;
    char text[32];
    std::snprintf(text, sizeof text, "hsl(%d %ld%% %ld%%)", hue, std::lround(s * 100),
                  std::lround(l * 100));
    return text;
}
