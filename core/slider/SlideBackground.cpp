#include "core/slider/SlideBackground.h"

namespace {

struct Anchor {
    int row;
    TColor color;
};

// The rows the greys pass through; rows between them are interpolated.
constexpr Anchor anchors[] = {{0, 0xF8F6F6},  {25, 0xEDEAEA}, {50, 0xE3DFDF}, {59, 0xDFDADA},
                              {60, 0xDFDADA}, {75, 0xE6E2E2}, {99, 0xF0EDED}, {100, 0xF0EEEE}};

constexpr int channel(TColor c, int shift) {
    return (c >> shift) & 0xFF;
}

constexpr std::array<TColor, 101> build() {
    std::array<TColor, 101> table{};
    for (std::size_t a = 0; a + 1 < std::size(anchors); ++a) {
        const Anchor from = anchors[a], to = anchors[a + 1];
        for (int row = from.row; row <= to.row; ++row) {
            TColor color = 0;
            for (int shift : {0, 8, 16}) {
                const int c0 = channel(from.color, shift), c1 = channel(to.color, shift);
                const int span = to.row - from.row;
                // Rounded to the nearest step.
                const int c = c0 + ((c1 - c0) * (row - from.row) * 2 + (c1 >= c0 ? span : -span)) /
                                       (2 * span);
                color |= TColor(c) << shift;
            }
            table[std::size_t(row)] = color;
        }
    }
    return table;
}

} // namespace

const std::array<TColor, 101> slideBackground = build();
