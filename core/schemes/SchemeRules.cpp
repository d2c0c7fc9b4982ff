#include "core/schemes/SchemeRules.h"

int tintRule(int l) {
    if (l <= 9 || l >= 99) return l;
    if (l <= 24) return 86;
    if (l >= 80) return 30;
    if (l >= 65) return 95;
    // 25-29 gives 87, and one more for every five after.
    return 87 + (l - 25) / 5;
}

int complementRule(int l) {
    if (l <= 9) return l;
    if (l <= 59) return l + 30;
    if (l <= 69) return l + 20;
    if (l <= 79) return l;
    if (l <= 97) return l - 20;
    return l;
}

int tenDarkerRule(int l) {
    return l >= 10 && l <= 79 ? l - 10 : l;
}

int wrapRule(int l) {
    if (l <= 9 || l >= 98) return l;
    int t = l + 40;
    if (t > 100) t -= 100;
    if (t >= 10 && t <= 24) t += 15;
    return t;
}

int tintLessTenRule(int l) {
    return l >= 10 && l <= 79 ? tintRule(l) - 10 : l;
}

int offsetHue(int hue, int offset) {
    const int sum = hue + offset;
    return sum >= 360 ? sum - 360 : sum;
}

std::array<SchemeHsl, 8> derivedColours(int h, int s, int l) {
    return {{
        {offsetHue(h, 180), s, complementRule(l)},
        // The tint takes the hue through the same wrap (360 becomes 0) ...
        {offsetHue(h, 0), s, tintRule(l)},
        {offsetHue(h, 145), s, tenDarkerRule(l)},
        {offsetHue(h, 215), s, tintRule(l)},
        {offsetHue(h, 240), s, l},
        // ... the wrapped luminance keeps the hue as it is (360 stays 360,
        // which converts as 0).
        {h, s, wrapRule(l)},
        {offsetHue(h, 120), s, tintRule(l)},
        {offsetHue(h, 240), s, tintLessTenRule(l)},
    }};
}
