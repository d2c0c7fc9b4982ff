#pragma once

#include "colour/TColor.h"

#include <string>

// A colour as CSS Color 4 writes it, for pasting into style sheets.
// "#3366CC"
std::string cssHex(TColor color);
// "rgb(51 102 204)", or with commas "rgb(51, 102, 204)"
std::string cssRgb(TColor color, bool commas = false);
// "hsl(220 60% 50%)", "hsl(209.6 100% 55.9%)": CSS's own conversion (hue
// in degrees, saturation and lightness in percent), with the fewest
// decimals (one at most for every colour) that give the colour back when a
// browser reads it; a grey has hue 0.
std::string cssHsl(TColor color);
