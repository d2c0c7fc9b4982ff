#pragma once

#include "core/colour/TColor.h"

#include <string>

// APCA's lightness contrast Lc of text on a background, with the constants
// of its W3 version 0.0.98G-4g (as the reference apca-w3 0.1.9 has them):
// each channel raised to 2.4, the screen luminance Y soft-clamped near black,
// and Y's powers taken apart by polarity. Positive for dark text on a light
// background, negative for light on dark, 0 where the two are too close to
// tell; about -108 to 106.
double apcaLc(TColor text, TColor background);

// Lc as it is printed: one decimal, "-0.0" never ("68.5", "-104.3", "0.0").
std::string lcText(double lc);
