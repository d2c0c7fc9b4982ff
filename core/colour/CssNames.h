#pragma once

#include "core/colour/TColor.h"

#include <optional>
#include <string>

// CIE L*a*b* (D65) of an sRGB colour, and the CIEDE2000 colour difference:
// about 1 is the least difference most people see.
struct Lab {
    double L, a, b;
};
Lab labOf(TColor color);
double deltaE2000(const Lab& one, const Lab& other);

// The CSS named colour nearest a colour by CIEDE2000, and how far it is.
struct NamedColour {
    std::string name;
    TColor color;
    double distance;
};
NamedColour nearestCssName(TColor color);
