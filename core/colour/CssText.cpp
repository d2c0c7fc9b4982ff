#include "core/colour/CssText.h"

#include "core/colour/Pallet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string cssHex(TColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

std::string cssRgb(TColor color, bool commas) {
    char text[32];
    std::snprintf(text, sizeof text, commas ? "rgb(%d, %d, %d)" : "rgb(%d %d %d)", RedOf(color),
                  GreenOf(color), BlueOf(color));
    return text;
}

namespace {

// CSS Color 4's hsl() as browsers draw it: its conversion to sRGB, each
// channel ×255 rounded. A text counts as giving the colour back only with
// room to spare (0.49, not 0.5), so that a browser's own rounding of the
// same arithmetic lands on the same channel too.
bool givesBack(double h, double s, double l, TColor color) {
    s /= 100;
    l /= 100;
    const auto channel = [&](double n) {
        const double k = std::fmod(n + h / 30, 12);
        const double a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    const double rgb[3] = {channel(0), channel(8), channel(4)};
    const int want[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (int i = 0; i < 3; ++i)
        if (std::fabs(rgb[i] * 255 - want[i]) >= 0.49) return false;
    return true;
}

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// "60", "60.5": no trailing zeros, no point without decimals.
std::string number(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    if (out.find('.') != std::string::npos) {
        out.erase(out.find_last_not_of('0') + 1);
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    return out;
}

} // namespace

std::string cssHsl(TColor color) {
    const double r = RedOf(color) / 255.0, g = GreenOf(color) / 255.0, b = BlueOf(color) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double d = max - min;
    const double l = (max + min) / 2;
    double h = 0, s = 0;
    if (d > 0) {
        s = d / (1 - std::fabs(2 * l - 1));
        if (max == r)
            h = std::fmod((g - b) / d + 6, 6);
        else if (max == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h *= 60;
    }
    // The fewest decimals that give the colour back; whole numbers for most
    // colours' neighbours would be another colour.
    int decimals = 0;
    double hue = 0, sat = 0, lum = 0;
    for (; decimals <= 6; ++decimals) {
        hue = roundTo(h, decimals);
        if (hue >= 360) hue -= 360;
        sat = roundTo(s * 100, decimals);
        lum = roundTo(l * 100, decimals);
        if (givesBack(hue, sat, lum, color)) break;
    }
    return "hsl(" + number(hue, decimals) + " " + number(sat, decimals) + "% " +
           number(lum, decimals) + "%)";
}

namespace {

using Matrix = double[3][3];

// CSS Color 4's own: linear sRGB to XYZ (D65), XYZ to LMS, LMS' to Oklab,
// and back.
constexpr Matrix linearSrgbToXyz = {{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}};
constexpr Matrix xyzToLinearSrgb = {{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}};
constexpr Matrix xyzToLms = {{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                             {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                             {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}};
constexpr Matrix lmsToOklab = {{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                               {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                               {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}};
constexpr Matrix oklabToLms = {{1.0, 0.3963377773761749, 0.2158037573099136},
                               {1.0, -0.1055613458156586, -0.0638541728258133},
                               {1.0, -0.0894841775298119, -1.2914855480194092}};
constexpr Matrix lmsToXyz = {{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                             {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                             {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}};

void multiply(const Matrix& m, const double (&in)[3], double (&out)[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2];
}

double toLinear(double c) {
    const double a = std::fabs(c);
    const double v = a <= 0.04045 ? a / 12.92 : std::pow((a + 0.055) / 1.055, 2.4);
    return std::copysign(v, c);
}

double toGamma(double c) {
    const double a = std::fabs(c);
    const double v = a > 0.0031308 ? 1.055 * std::pow(a, 1 / 2.4) - 0.055 : 12.92 * a;
    return std::copysign(v, c);
}

} // namespace

void oklchToSrgb(double lightnessPercent, double chroma, double hue, double (&rgb)[3]) {
    const double radians = hue * 3.14159265358979323846 / 180;
    const double lab[3] = {lightnessPercent / 100, chroma * std::cos(radians),
                           chroma * std::sin(radians)};
    double lms[3], xyz[3], linear[3];
    multiply(oklabToLms, lab, lms);
    for (double& v : lms)
        v = v * v * v;
    multiply(lmsToXyz, lms, xyz);
    multiply(xyzToLinearSrgb, xyz, linear);
    for (int i = 0; i < 3; ++i)
        rgb[i] = toGamma(linear[i]) * 255;
}

std::string cssOklch(TColor color) {
    const double srgb[3] = {toLinear(RedOf(color) / 255.0), toLinear(GreenOf(color) / 255.0),
                            toLinear(BlueOf(color) / 255.0)};
    double xyz[3], lms[3], lab[3];
    multiply(linearSrgbToXyz, srgb, xyz);
    multiply(xyzToLms, xyz, lms);
    for (double& v : lms)
        v = std::cbrt(v);
    multiply(lmsToOklab, lms, lab);
    const double l = lab[0] * 100;
    const double c = std::hypot(lab[1], lab[2]);
    double h = std::atan2(lab[2], lab[1]) * 180 / 3.14159265358979323846;
    if (h < 0) h += 360;
    const int want[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    // Chroma is a hundredth of lightness's percent scale: two more decimals
    // say it as finely. Browsers read oklch() in their own arithmetic, up to
    // half a level off CSS's for some bright colours: a text is taken only
    // within a twentieth of a level, so that they too read the colour.
    int decimals = 0;
    double lum = 0, chroma = 0, hue = 0;
    for (; decimals <= 6; ++decimals) {
        lum = roundTo(l, decimals);
        chroma = roundTo(c, decimals + 2);
        hue = chroma == 0 ? 0 : roundTo(h, decimals);
        if (hue >= 360) hue -= 360;
        double back[3];
        oklchToSrgb(lum, chroma, hue, back);
        bool same = true;
        for (int i = 0; i < 3; ++i)
            same = same && std::fabs(back[i] - want[i]) < 0.05;
        if (same) break;
    }
    return "oklch(" + number(lum, decimals) + "% " + number(chroma, decimals + 2) + " " +
           number(hue, decimals) + ")";
}

std::optional<CodeForm> codeFormNamed(std::string_view word) {
    for (CodeForm form :
         {CodeForm::Hex, CodeForm::HashHex, CodeForm::Rgb, CodeForm::Hsl, CodeForm::Oklch})
        if (codeFormWord(form) == word) return form;
    return std::nullopt;
}

std::string_view codeFormWord(CodeForm form) {
    switch (form) {
    case CodeForm::Hex: return "hex";
    case CodeForm::HashHex: return "#hex";
    case CodeForm::Rgb: return "rgb";
    case CodeForm::Hsl: return "hsl";
    case CodeForm::Oklch: return "oklch";
    }
    return "hex";
}

std::string codeInForm(TColor color, CodeForm form) {
    switch (form) {
    case CodeForm::Hex: return ColorToCode(color);
    case CodeForm::HashHex: return cssHex(color);
    case CodeForm::Rgb: return cssRgb(color);
    case CodeForm::Hsl: return cssHsl(color);
    case CodeForm::Oklch: return cssOklch(color);
    }
    return ColorToCode(color);
}
