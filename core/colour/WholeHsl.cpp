#include "core/colour/WholeHsl.h"

#include "core/colour/Conversions.h"

const std::uint8_t* WholeHslColors::curve(int luminance, int saturation) {
    if (!uses) uses = std::make_unique<std::uint8_t[]>(Pairs); // zeroed
    const int pair = luminance * (MaxSaturation + 1) + saturation;
    if (uses[pair] == Ready) return curves.get() + std::size_t(pair) * Hues;
    if (++uses[pair] < UsesBeforeCurve) return nullptr;
    if (!curves) curves.reset(new std::uint8_t[std::size_t(Pairs) * Hues]);
    std::uint8_t* values = curves.get() + std::size_t(pair) * Hues;
    HslChannelCurve(float(luminance), float(saturation), values, Hues);
    uses[pair] = Ready;
    return values;
}

TColor WholeHslColors::color(int luminance, int saturation, int hue) {
    const std::uint8_t* values = curve(luminance, saturation);
    if (!values) return HslToColor(float(luminance), float(saturation), float(hue));
    // The hue and its neighbours brought back into the circle as HslToColor
    // brings them: a whole hue stays whole.
    const int ahead = hue + 120 > MaxHue ? hue + 120 - 360 : hue + 120;
    const int behind = hue - 120 < 0 ? hue - 120 + 360 : hue - 120;
    return RGBColor(values[ahead], values[hue], values[behind]);
}
