#pragma once

#include <array>

// The arithmetic of the suggested schemes: from the palette's hue,
// saturation and luminance, the hue, saturation and luminance of the eight
// colours the four schemes add to the palette's own. Plain C++.

struct SchemeHsl {
    int hue;
    int sat;
    int lum;
    bool operator==(const SchemeHsl&) const = default;
};

// The luminance rules, each a function of L from 0 to 100.
int tintRule(int lum);
int complementRule(int lum);
int tenDarkerRule(int lum);
int wrapRule(int lum);
int tintLessTenRule(int lum);
// H plus an offset, 360 taken off once when the sum reaches it.
int offsetHue(int hue, int offset);

// The derived colours in the order their panels are set: scheme 1 colours 2
// and 3, scheme 2 colours 2 and 3, and so on; colour 1 of every scheme is the
// palette's own.
std::array<SchemeHsl, 8> derivedColours(int hue, int sat, int lum);
