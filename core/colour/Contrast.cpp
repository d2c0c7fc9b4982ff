#include "core/colour/Contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

namespace {

// Below the linearisation's threshold a channel's linear value is a
// fraction, c / 255 / 12.92 = 100 c / 329460; 255 gives 1.
bool linearIsFraction(int channel) {
    return channel <= 10 || channel == 255;
}

// (L + 0.05) × 3 294 600 000, exactly, for a colour of such channels.
std::int64_t scaledLuminancePlus(TColor color) {
    const auto linear = [](int c) -> std::int64_t { return c == 255 ? 329460 : 100 * c; };
    return 2126 * linear(RedOf(color)) + 7152 * linear(GreenOf(color)) +
           722 * linear(BlueOf(color)) + 164730000;
}

long double preciseLinear(int channel) {
    const long double c = channel / 255.0L;
    return c <= 0.04045L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
}

long double preciseLuminance(TColor color) {
    return 0.2126L * preciseLinear(RedOf(color)) + 0.7152L * preciseLinear(GreenOf(color)) +
           0.0722L * preciseLinear(BlueOf(color));
}

} // namespace

int contrastHundredths(TColor a, TColor b) {
    const auto fraction = [](TColor c) {
        return linearIsFraction(RedOf(c)) && linearIsFraction(GreenOf(c)) &&
               linearIsFraction(BlueOf(c));
    };
    if (fraction(a) && fraction(b)) {
        const std::int64_t x = scaledLuminancePlus(a), y = scaledLuminancePlus(b);
        return int(100 * std::max(x, y) / std::min(x, y));
    }
    const long double x = preciseLuminance(a) + 0.05L, y = preciseLuminance(b) + 0.05L;
    return int(std::floor(std::max(x, y) / std::min(x, y) * 100));
}

std::string ratioText(int hundredths) {
    char text[32]; // room for any int, so nothing is ever cut
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    return text;
}

std::string levelsPassed(int hundredths) {
    std::string out;
    const auto add = [&](bool passes, const char* level) {
        if (!passes) return;
        if (!out.empty()) out += ' ';
        out += level;
    };
    add(hundredths >= 450, "AA");
    add(hundredths >= 700, "AAA");
    add(hundredths >= 300, "AA-large");
    add(hundredths >= 450, "AAA-large");
    return out.empty() ? "none" : out;
}
