#include "core/colour/Average.h"

TColor averageColour(const std::vector<TColor>& colours) {
    if (colours.empty()) return RGBColor(0, 0, 0);
    long long r = 0, g = 0, b = 0;
    for (const TColor c : colours) {
        r += RedOf(c);
        g += GreenOf(c);
        b += BlueOf(c);
    }
    // Whole numbers throughout: (2 sum + n) / 2n is the mean plus a half, cut.
    const long long n = static_cast<long long>(colours.size());
    const auto mean = [n](long long sum) { return int((2 * sum + n) / (2 * n)); };
    return RGBColor(mean(r), mean(g), mean(b));
}
