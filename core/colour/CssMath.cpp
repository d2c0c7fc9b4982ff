#include "core/colour/CssMath.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace cssmath {

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// Trimmed in its buffer: GCC 12 warns falsely (-Wrestrict, its bug 105329)
// on a string erased and then assigned a literal.
std::string number(double value, int decimals) {
    char text[32];
    int length = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (length <= 0) return "0";
    length = std::min(length, int(sizeof text) - 1);
    if (std::memchr(text, '.', std::size_t(length))) {
        while (text[length - 1] == '0')
            --length;
        if (text[length - 1] == '.') --length;
    }
    const std::string_view out(text, std::size_t(length));
    return out == "-0" ? std::string("0") : std::string(out);
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

// CSS's D50 white and its Bradford adaptations to and from D65.
constexpr double D50[3] = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr Matrix d65ToD50 = {{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                             {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                             {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}};
constexpr Matrix d50ToD65 = {{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                             {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                             {0.012314014864481998, -0.020507649298898964, 1.330365926242124}};
constexpr double Kappa = 24389.0 / 27;
constexpr double Epsilon = 216.0 / 24389;

void linearOf(TColor color, double (&linear)[3]) {
    linear[0] = toLinear(RedOf(color) / 255.0);
    linear[1] = toLinear(GreenOf(color) / 255.0);
    linear[2] = toLinear(BlueOf(color) / 255.0);
}

void fromXyz(const double (&xyz)[3], double (&rgb)[3]) {
    double linear[3];
    multiply(xyzToLinearSrgb, xyz, linear);
    for (int i = 0; i < 3; ++i)
        rgb[i] = toGamma(linear[i]) * 255;
}

} // namespace

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

double hueOf(double a, double b) {
    const double h = std::atan2(b, a) * 180 / Pi;
    return h < 0 ? h + 360 : h;
}

void srgbToOklab(TColor color, double (&lab)[3]) {
    double linear[3], xyz[3], lms[3];
    linearOf(color, linear);
    multiply(linearSrgbToXyz, linear, xyz);
    multiply(xyzToLms, xyz, lms);
    for (double& v : lms)
        v = std::cbrt(v);
    multiply(lmsToOklab, lms, lab);
}

void oklabToSrgb(const double (&lab)[3], double (&rgb)[3]) {
    double lms[3], xyz[3];
    multiply(oklabToLms, lab, lms);
    for (double& v : lms)
        v = v * v * v;
    multiply(lmsToXyz, lms, xyz);
    fromXyz(xyz, rgb);
}

void srgbToLab(TColor color, double (&lab)[3]) {
    double linear[3], xyz65[3], xyz[3];
    linearOf(color, linear);
    multiply(linearSrgbToXyz, linear, xyz65);
    multiply(d65ToD50, xyz65, xyz);
    double f[3];
    for (int i = 0; i < 3; ++i) {
        const double v = xyz[i] / D50[i];
        f[i] = v > Epsilon ? std::cbrt(v) : (Kappa * v + 16) / 116;
    }
    lab[0] = 116 * f[1] - 16;
    lab[1] = 500 * (f[0] - f[1]);
    lab[2] = 200 * (f[1] - f[2]);
}

void labToSrgb(const double (&lab)[3], double (&rgb)[3]) {
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const double x = f0 * f0 * f0 > Epsilon ? f0 * f0 * f0 : (116 * f0 - 16) / Kappa;
    const double y = lab[0] > Kappa * Epsilon ? f1 * f1 * f1 : lab[0] / Kappa;
    const double z = f2 * f2 * f2 > Epsilon ? f2 * f2 * f2 : (116 * f2 - 16) / Kappa;
    const double xyz50[3] = {x * D50[0], y * D50[1], z * D50[2]};
    double xyz[3];
    multiply(d50ToD65, xyz50, xyz);
    fromXyz(xyz, rgb);
}

SrgbHue srgbHue(TColor color) {
    const double r = RedOf(color) / 255.0, g = GreenOf(color) / 255.0, b = BlueOf(color) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double d = max - min;
    double h = 0;
    if (d > 0) {
        if (max == r)
            h = std::fmod((g - b) / d + 6, 6);
        else if (max == g)
            h = (b - r) / d + 2;
        else
            h = (r - g) / d + 4;
        h *= 60;
    }
    return {h, max, min};
}

bool near(const double (&rgb)[3], TColor color, double margin) {
    const int want[3] = {RedOf(color), GreenOf(color), BlueOf(color)};
    for (int i = 0; i < 3; ++i)
        if (std::fabs(rgb[i] - want[i]) >= margin) return false;
    return true;
}

} // namespace cssmath
