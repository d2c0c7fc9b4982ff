#pragma once

#include <cstdint>

// A colour in the layout the windows and the book files share: red in the low
// byte, then green, then blue, high byte zero (0x00BBGGRR).
using TColor = std::int32_t;

// The colour of an empty slot and of its caption's background.
inline constexpr TColor BlankColor = 0x5F5050;
// The caption background of a filled slot.
inline constexpr TColor FilledCaptionColor = 0xFFFFFF;

constexpr int RedOf(TColor c) {
    return c & 0xFF;
}
constexpr int GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}
constexpr TColor RGBColor(int r, int g, int b) {
    return TColor((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
