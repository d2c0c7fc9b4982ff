#pragma once

#include "core/colour/TColor.h"

#include <array>

// The slider skin's colour behind each row (0 to 100) of its marker strips:
// light greys, darker in the middle. The artwork paints the strips from this
// table and the slider erases its markers with it, so the two cannot differ.
extern const std::array<TColor, 101> slideBackground;
