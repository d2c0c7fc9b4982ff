#pragma once

#include "ColourCommands.h"

#include "core/colour/Conversions.h"
#include "core/colour/TColor.h"

// The operands' ranges, by name for the messages.
struct Domain {
    const char* name;
    int high; // from 0 to high
};
inline constexpr Domain hslDomains[3] = {{"luminance", 100}, {"saturation", 100}, {"hue", 360}};
inline constexpr Domain channelDomains[3] = {{"red", 255}, {"green", 255}, {"blue", 255}};

// A code and its line end at `out`; returns the end.
char* putCode(char* out, TColor color);
// "H S L" and its line end at `out`; returns the end.
char* putHsl(char* out, const Hsl& result);

// The fast path for long inputs of the common lines (see ColourCommand::Quick).
ColourCommand::Quick hslQuick(std::string_view lines, char* out, std::size_t maxLine);
ColourCommand::Quick rgbQuick(std::string_view lines, char* out, std::size_t maxLine);
