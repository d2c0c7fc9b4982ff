#pragma once

#include "core/colour/TColor.h"

#include <vector>

// The mean of each sRGB channel over the colours, rounded to the nearest
// whole level, a half upwards: what an averaged sample of the screen takes.
// Black for none.
TColor averageColour(const std::vector<TColor>& colours);
