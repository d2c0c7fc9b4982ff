#pragma once

#include "core/colour/TColor.h"

#include <cstdint>
#include <memory>

// HslToColor for whole-number luminance, saturation and hue, to the bit,
// at the cost of a table look-up. The three channels of a colour are one
// curve over the hue circle, read at the hue and 120 degrees either side
// of it; the curve of a luminance and saturation that keeps coming back is
// worked out once for every whole hue, the first few uses the usual way.
class WholeHslColors {
public:
    static constexpr int MaxLuminance = 100, MaxSaturation = 100, MaxHue = 360;

    // Each within 0 and its maximum.
    TColor color(int luminance, int saturation, int hue);

private:
    static constexpr int Pairs = (MaxLuminance + 1) * (MaxSaturation + 1);
    static constexpr int Hues = MaxHue + 1;
    // Uses before a curve is worked out: a pair seen once or twice does
    // not pay for 361 hues.
    static constexpr std::uint8_t UsesBeforeCurve = 4;
    static constexpr std::uint8_t Ready = UsesBeforeCurve + 1;

    const std::uint8_t* curve(int luminance, int saturation);

    // Left uninitialised: only the pages of curves worked out are touched.
    std::unique_ptr<std::uint8_t[]> curves;
    std::unique_ptr<std::uint8_t[]> uses; // per pair, up to Ready once its curve is worked out
};
