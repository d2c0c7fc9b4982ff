#pragma once

#include "core/colour/TColor.h"

#include <array>
#include <string>

// The current fill colour: what a click on the palette's swatch, a scheme or
// the picker leaves for the working card to drop into a slot.
class Pallet {
public:
    static constexpr int WebSafeCount = 217;

    Pallet();

    void SetColor(TColor color) { currentColor = color; }
    TColor GetColor() const { return currentColor; }
    void SetCode(const std::string& code) { currentCode = code; }
    std::string GetCode() const { return currentCode; }

    const std::array<std::string, WebSafeCount>& WebSafeCodes() const { return webSafeCodes; }

private:
    TColor currentColor = 0;
    std::string currentCode;
    std::array<std::string, WebSafeCount> webSafeCodes;
};

// "RRGGBB" for a colour; a value with a non-zero high byte (a system colour
// constant, never a plain RGB colour) is read by its low 24 bits.
std::string ColorToCode(TColor color);
