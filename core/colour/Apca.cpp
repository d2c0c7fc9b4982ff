#include "core/colour/Apca.h"

#include <cmath>
#include <cstdio>

namespace {
// 0.0.98G-4g, the W3-compatible set.
constexpr double MainTrc = 2.4;
constexpr double RedWeight = 0.2126729, GreenWeight = 0.7151522, BlueWeight = 0.0721750;
constexpr double NormBackground = 0.56, NormText = 0.57;
constexpr double ReverseText = 0.62, ReverseBackground = 0.65;
constexpr double BlackThreshold = 0.022, BlackClamp = 1.414;
constexpr double Scale = 1.14, Offset = 0.027;
constexpr double DeltaYMin = 0.0005, LowClip = 0.1;

double screenY(TColor color) {
    const auto channel = [](int c) { return std::pow(c / 255.0, MainTrc); };
    return RedWeight * channel(RedOf(color)) + GreenWeight * channel(GreenOf(color)) +
           BlueWeight * channel(BlueOf(color));
}

// Near black a screen's flare lifts what is seen: Y is raised smoothly.
double softClamped(double y) {
    return y > BlackThreshold ? y : y + std::pow(BlackThreshold - y, BlackClamp);
}
} // namespace

double apcaLc(TColor text, TColor background) {
    const double textY = softClamped(screenY(text));
    const double backgroundY = softClamped(screenY(background));
    if (std::fabs(backgroundY - textY) < DeltaYMin) return 0.0;
    double contrast;
    if (backgroundY > textY) {
        const double sapc =
            (std::pow(backgroundY, NormBackground) - std::pow(textY, NormText)) * Scale;
        contrast = sapc < LowClip ? 0.0 : sapc - Offset;
    } else {
        const double sapc =
            (std::pow(backgroundY, ReverseBackground) - std::pow(textY, ReverseText)) * Scale;
        contrast = sapc > -LowClip ? 0.0 : sapc + Offset;
    }
    return contrast * 100.0;
}

std::string lcText(double lc) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", lc);
    const std::string shown = text;
    return shown == "-0.0" ? "0.0" : shown;
}
