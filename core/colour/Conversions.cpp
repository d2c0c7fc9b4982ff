#include "core/colour/Conversions.h"

#include "core/colour/StrToInt.h"

#include <cmath>

// Built with -ffp-contract=off: a fused multiply-add would skip a rounding
// the results depend on. On x86-64 double arithmetic is plain SSE2, so there
// is no excess precision either.

namespace {

using D = double;

constexpr D oneSixtieth = 1.0 / 60.0;

// The whole part toward zero, as an integer. Whatever comes in (a channel
// outside 0 to 255 can make a division by zero) gives an integer: infinities
// and values past the range stop at its ends, NaN is 0.
int truncate(D v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return int(std::trunc(v));
}

[[gnu::always_inline]] inline int channel(float fraction) {
    const float c = float(D(fraction) * 255.0);
    // The floor by way of the truncation, where it fits an integer: a whole
    // float truncates to itself, and a float below zero one step lower.
    if (c > -2147483648.0f && c < 2147483648.0f) {
        int whole = int(c);
        if (float(whole) > c) --whole;
        return whole & 0xFF;
    }
    return truncate(float(std::floor(D(c)))) & 0xFF;
}

// Kept in line: a colour takes three of these, and a call each costs as
// much as the arithmetic.
[[gnu::always_inline]] inline float hueToChannel(float h, float m2, float m1) {
    if (h > 360.0f) h = float(D(h) - 360.0);
    if (h < 0.0f) h = float(D(h) + 360.0);
    if (h < 60.0f) return float(D(m1) + ((D(m2) - D(m1)) * D(h)) * oneSixtieth);
    if (h < 180.0f) return m2;
    if (h < 240.0f) return float(D(m1) + ((D(m2) - D(m1)) * (240.0 - D(h))) * oneSixtieth);
    return m1;
}

} // namespace

float HueToChannel(float h, float m2, float m1) {
    return hueToChannel(h, m2, m1);
}

namespace {

// What every channel of one luminance and saturation shares.
struct Levels {
    float l, s, m2, m1;
};

[[gnu::always_inline]] inline Levels levelsOf(float luminance, float saturation) {
    const float l = float(D(luminance) * 0.01);
    const float s = float(D(saturation) * 0.01);
    const float m2 = l > 0.5f ? float(D(l) + D(s) - D(l) * D(s)) : float(D(l) * (1.0 + D(s)));
    const float m1 = float(2.0 * D(l) - D(m2));
    return {l, s, m2, m1};
}

[[gnu::always_inline]] inline int channelAt(const Levels& v, float hue) {
    return channel(v.s != 0.0f ? hueToChannel(hue, v.m2, v.m1) : v.l);
}

} // namespace

TColor HslToColor(float luminance, float saturation, float hue) {
    const Levels v = levelsOf(luminance, saturation);
    return channelAt(v, float(D(hue) + 120.0)) + channelAt(v, hue) * 256 +
           channelAt(v, float(D(hue) - 120.0)) * 65536;
}

void HslChannelCurve(float luminance, float saturation, std::uint8_t* values, int hues) {
    const Levels v = levelsOf(luminance, saturation);
    for (int hue = 0; hue < hues; ++hue)
        values[hue] = std::uint8_t(channelAt(v, float(hue)));
}

Hsl ColorToHsl(float red, float green, float blue) {
    const float r = float(D(red) * (1.0 / 51.0) * 0.2);
    const float g = float(D(green) * (1.0 / 51.0) * 0.2);
    const float b = float(D(blue) * (1.0 / 51.0) * 0.2);

    float max = r;
    if (max < g) max = g;
    if (b > max) max = b;
    float min = r;
    if (min > g) min = g;
    if (b < min) min = b;

    const float l = float((D(max) + D(min)) * 0.5);
    float s = 0.0f;
    float h = 0.0f;
    if (max != min) {
        const D d = D(max) - D(min);
        s = l < 0.5f ? float(d / (D(max) + D(min))) : float(d / (2.0 - D(max) - D(min)));
        if (r == max) h = float((D(g) - D(b)) / d);
        if (g == max) h = float((D(b) - D(r)) / d + 2.0);
        if (b == max) h = float((D(r) - D(g)) / d + 4.0);
    }
    int hue = truncate(D(h) * 60.0);
    if (hue < 0) hue += 360;
    if (hue >= 360) hue -= 360;
    return Hsl{hue, truncate(D(s) * 100.0), truncate(D(l) * 100.0)};
}

namespace {

void appendDigit(std::string& out, int digit) {
    if (digit >= 10 && digit <= 15)
        out += char('A' + digit - 10);
    else
        out += std::to_string(digit);
}

int hexValue(char c) {
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return StrToInt(std::string(1, c));
}

} // namespace

std::string ChannelsToHex(const std::string& red, const std::string& green,
                          const std::string& blue) {
    std::string out;
    for (const std::string* text : {&red, &green, &blue}) {
        const int v = StrToInt(*text);
        appendDigit(out, v / 16);
        appendDigit(out, v % 16);
    }
    return out;
}

TColor HexToColor(const std::string& code) {
    // Callers check the length; a short text must still not read past its end.
    if (code.size() != 6) throw EConvertError("'" + code + "' is not a six-digit colour code");
    int digits[6];
    for (int i = 0; i < 6; ++i)
        digits[i] = hexValue(code[i]);
    const int red = digits[0] * 16 + digits[1];
    const int green = digits[2] * 16 + digits[3];
    const int blue = digits[4] * 16 + digits[5];
    return (red & 0xFF) + (green & 0xFF) * 256 + (blue & 0xFF) * 65536;
}
