#include "colour/Contrast.h"

#include <cmath>
#include <cstdio>

double linearChannel(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(TColor color) {
    return 0.2126 * linearChannel(RedOf(color)) + 0.7152 * linearChannel(GreenOf(color)) +
           0.0722 * linearChannel(BlueOf(color));
}

double contrastRatio(TColor a, TColor b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    const double lighter = la > lb ? la : lb;
    const double darker = la > lb ? lb : la;
    return (lighter + 0.05) / (darker + 0.05);
}

std::string ratioText(double ratio) {
    // A hair over a whole hundredth counts as reaching it: 21 is computed as
    // 20.999999999999996.
    const long hundredths = static_cast<long>(std::floor(ratio * 100 + 1e-9));
    char text[16];
    std::snprintf(text, sizeof text, "%ld.%02ld", hundredths / 100, hundredths % 100);
    return text;
}

std::string levelsPassed(double ratio) {
    std::string out;
    const auto add = [&](bool passes, const char* level) {
        if (!passes) return;
        if (!out.empty()) out += ' ';
        out += level;
    };
    add(ratio >= 4.5, "AA");
    add(ratio >= 7, "AAA");
    add(ratio >= 3, "AA-large");
    add(ratio >= 4.5, "AAA-large");
    return out.empty() ? "none" : out;
}
