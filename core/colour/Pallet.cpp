#include "core/colour/Pallet.h"

#include <cstdio>

namespace {

constexpr const char* levels[6] = {"00", "33", "66", "99", "CC", "FF"};

// The 216 web-safe codes in rows of 18: three blocks of six per row, red fixed
// per block, blue fixed per row, green running up, down, up across the blocks.
std::string webSafeEntry(int i) {
    const int row = i / 18;
    const int column = i % 18;
    const int block = column / 6;
    const int k = column % 6;
    const char* red;
    int blue;
    if (row < 6) {
        static constexpr const char* reds[3] = {"33", "66", "FF"};
        red = reds[block];
        blue = row;
    } else {
        static constexpr const char* reds[3] = {"00", "99", "CC"};
        red = reds[block];
        blue = 11 - row;
    }
    const int green = block == 1 ? 5 - k : k;
    return std::string(red) + levels[green] + levels[blue];
}

} // namespace

Pallet::Pallet() {
    for (int i = 0; i < WebSafeCount - 1; ++i)
        webSafeCodes[i] = webSafeEntry(i);
    webSafeCodes[WebSafeCount - 1] = "RRGGBB";
    SetColor(0xFFFFFF);
}

std::string ColorToCode(TColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}
