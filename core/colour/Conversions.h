#pragma once

#include "core/colour/TColor.h"

#include <cstdint>
#include <string>

// Conversions between red/green/blue, hue/saturation/luminance and the
// six-digit code text. Every named intermediate is held in single precision
// and each step is computed in double before it is rounded back, so that the
// palette, the slider and the schemes agree to the bit on every machine.

struct Hsl {
    int hue;        // 0 to 359
    int saturation; // 0 to 100
    int luminance;  // 0 to 100
    bool operator==(const Hsl&) const = default;
};

// Note the order: luminance first, hue last, as every caller passes them.
TColor HslToColor(float luminance, float saturation, float hue);
float HueToChannel(float hue, float m2, float m1);
// Green's share of HslToColor at each whole hue 0, 1, ... hues - 1; red is
// the same curve read 120 degrees further round the circle, blue 120 back.
void HslChannelCurve(float luminance, float saturation, std::uint8_t* values, int hues);
Hsl ColorToHsl(float red, float green, float blue);

// Each text read with StrToInt; raises EConvertError for a text that is not
// a number.
std::string ChannelsToHex(const std::string& red, const std::string& green,
                          const std::string& blue);
// The text must have six characters (else EConvertError); a character that is neither a
// hexadecimal letter nor a digit raises EConvertError.
TColor HexToColor(const std::string& code);
