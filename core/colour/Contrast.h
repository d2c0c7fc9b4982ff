#pragma once

#include "core/colour/TColor.h"

#include <string>

// Contrast as WCAG 2.2 defines it: each sRGB channel linearised (the 0.04045
// threshold), the relative luminance 0.2126 R + 0.7152 G + 0.0722 B, and the
// ratio (L1 + 0.05) / (L2 + 0.05) of the lighter to the darker, 1 to 21.
// One sRGB channel (0 to 255) as linear light, 0 to 1.
double linearChannel(int channel);
double relativeLuminance(TColor color);
double contrastRatio(TColor a, TColor b);

// The ratio in hundredths, cut rather than rounded: the most hundredths it
// reaches, so that 4.4999 is 449 and fails 4.5, as it does. Exact: where
// both luminances are fractions (channels 0 to 10 and 255) in whole
// numbers, elsewhere in extended precision, whose error is far below the
// distance of any such ratio from a hundredth.
int contrastHundredths(TColor a, TColor b);

// "4.49"
std::string ratioText(int hundredths);

// The levels a ratio passes, in this order: "AA" (4.5, normal text), "AAA"
// (7), "AA-large" (3, large text), "AAA-large" (4.5); "none" if none. Every
// threshold is a whole hundredth, so the cut ratio passes exactly where the
// ratio does.
std::string levelsPassed(int hundredths);
