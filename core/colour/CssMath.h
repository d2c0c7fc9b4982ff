#pragma once

#include "core/colour/TColor.h"

#include <string>

// The arithmetic CSS Color 4 gives for its colour spaces, in doubles, and
// the writing of numbers with the fewest decimals: shared by the forms.
namespace cssmath {

inline constexpr double Pi = 3.14159265358979323846;

double roundTo(double value, int decimals);
// "60", "60.5": no trailing zeros, no point without decimals.
std::string number(double value, int decimals);
double toLinear(double c);
double toGamma(double c);
// The angle of (a, b) in degrees, 0 to 360.
double hueOf(double a, double b);

// Oklab, lightness 0 to 1.
void srgbToOklab(TColor color, double (&lab)[3]);
// Each sRGB channel 0 to 255 unrounded.
void oklabToSrgb(const double (&lab)[3], double (&rgb)[3]);
// CIE Lab under D50 (CSS's lab()), lightness 0 to 100.
void srgbToLab(TColor color, double (&lab)[3]);
void labToSrgb(const double (&lab)[3], double (&rgb)[3]);
// Whether every channel is within `margin` of the colour's own.
bool near(const double (&rgb)[3], TColor color, double margin);

// The hue hsl() and hwb() share, in degrees (0 for a grey), and the
// colour's largest and smallest channel, 0 to 1.
struct SrgbHue {
    double hue, max, min;
};
SrgbHue srgbHue(TColor color);

// The fewest decimals, up to six, at which the numbers `back` writes with
// that many give the colour back within `margin`.
template <class Back> int fewestDecimals(TColor color, double margin, Back back) {
    int decimals = 0;
    for (; decimals < 6; ++decimals) {
        double rgb[3];
        back(decimals, rgb);
        if (near(rgb, color, margin)) break;
    }
    return decimals;
}

} // namespace cssmath
