#include "core/colour/Average.h"
#include "core/colour/CodeFormat.h"
#include "core/colour/Contrast.h"
#include "core/colour/Conversions.h"
#include "core/colour/CssNames.h"
#include "core/colour/CssText.h"
#include "core/colour/StrToInt.h"
#include "core/colour/WholeHsl.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {
QString code(TColor c) {
    return QString::asprintf("%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
}
} // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void hslToColor_data() {
        QTest::addColumn<float>("l");
        QTest::addColumn<float>("s");
        QTest::addColumn<float>("h");
        QTest::addColumn<QString>("expected");
        QTest::newRow("teal") << 50.f << 50.f << 180.f << "3FBFBF";
        QTest::newRow("red at 0") << 50.f << 100.f << 0.f << "FF0000";
        QTest::newRow("red at 360") << 50.f << 100.f << 360.f << "FF0000";
        QTest::newRow("green") << 50.f << 100.f << 120.f << "00FF00";
        QTest::newRow("blue") << 50.f << 100.f << 240.f << "0000FF";
        QTest::newRow("single-precision m1") << 50.f << 20.f << 0.f << "996565";
        QTest::newRow("light tan") << 75.f << 40.f << 30.f << "D8BFA5";
        QTest::newRow("strip row 2.5") << 2.5f << 100.f << 0.f << "0C0000";
        QTest::newRow("fractional hue") << 50.f << 100.f << 30.5f << "FF8100";
    }
    void hslToColor() {
        QFETCH(float, l);
        QFETCH(float, s);
        QFETCH(float, h);
        QFETCH(QString, expected);
        QCOMPARE(code(HslToColor(l, s, h)), expected);
    }

    // Properties over the whole integer input space.
    void hslWholeSpace() {
        int previousGrey = -1;
        for (int l = 0; l <= 100; ++l) {
            const TColor grey = HslToColor(l, 0, 0);
            QVERIFY(RedOf(grey) == GreenOf(grey) && GreenOf(grey) == BlueOf(grey));
            QVERIFY(RedOf(grey) >= previousGrey);
            previousGrey = RedOf(grey);
            for (int s = 0; s <= 100; ++s) {
                QCOMPARE(HslToColor(l, s, 0), HslToColor(l, s, 360));
                for (int h = 0; h <= 360; ++h) {
                    const TColor c = HslToColor(l, s, h);
                    QVERIFY2(c >= 0 && c <= 0xFFFFFF,
                             qPrintable(QString("%1 %2 %3").arg(l).arg(s).arg(h)));
                    if (l == 0) QCOMPARE(c, 0);
                    if (l == 100) QCOMPARE(c, 0xFFFFFF);
                    if (s == 0) QCOMPARE(c, grey);
                }
            }
        }
    }

    // The table for whole inputs against the arithmetic, every input, in
    // orders that meet each luminance and saturation in runs, scattered,
    // or once before its curve is made and again after.
    void wholeHslTable_data() {
        QTest::addColumn<int>("order");
        QTest::newRow("hue fastest") << 0;
        QTest::newRow("luminance fastest") << 1;
        QTest::newRow("scattered") << 2;
    }
    void wholeHslTable() {
        QFETCH(int, order);
        WholeHslColors table;
        constexpr int count = 101 * 101 * 361;
        int mismatches = 0;
        for (int i = 0; i < count; ++i) {
            // 1,000,003 is prime to the count: the scattered order is a
            // permutation.
            const int n = order == 2 ? int((long long)i * 1000003 % count) : i;
            int l, s, h;
            if (order == 1) {
                l = n % 101, s = n / 101 % 101, h = n / (101 * 101);
            } else {
                h = n % 361, s = n / 361 % 101, l = n / (361 * 101);
            }
            const TColor expected = HslToColor(float(l), float(s), float(h));
            if (table.color(l, s, h) != expected && ++mismatches <= 5)
                qWarning("%d %d %d: %06X, not %06X", l, s, h, table.color(l, s, h), expected);
        }
        QCOMPARE(mismatches, 0);
    }

    void hueToChannelWraps_data() {
        QTest::addColumn<float>("h");
        QTest::addColumn<float>("expected");
        // m2 = 1, m1 = 0: the channel rises over 0-60, holds to 180, falls to 240.
        QTest::newRow("0") << 0.f << 0.f;
        QTest::newRow("30") << 30.f << 0.5f;
        QTest::newRow("120") << 120.f << 1.f;
        QTest::newRow("210") << 210.f << 0.5f;
        QTest::newRow("300") << 300.f << 0.f;
        QTest::newRow("480 wraps once") << 480.f << 1.f;
        QTest::newRow("-120 wraps once") << -120.f << 0.f;
        QTest::newRow("-330 wraps to 30") << -330.f << 0.5f;
        QTest::newRow("750 wraps only once") << 750.f << 0.f;
    }
    void hueToChannelWraps() {
        QFETCH(float, h);
        QFETCH(float, expected);
        QCOMPARE(HueToChannel(h, 1.f, 0.f), expected);
    }

    void colorToHsl_data() {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("l");
        QTest::newRow("teal") << 63 << 191 << 191 << 180 << 50 << 49;
        QTest::newRow("red") << 255 << 0 << 0 << 0 << 100 << 50;
        QTest::newRow("blue") << 0 << 0 << 255 << 240 << 100 << 50;
        QTest::newRow("magenta") << 255 << 0 << 255 << 300 << 100 << 50;
        QTest::newRow("grey") << 128 << 128 << 128 << 0 << 0 << 50;
        QTest::newRow("white") << 255 << 255 << 255 << 0 << 0 << 100;
        QTest::newRow("black") << 0 << 0 << 0 << 0 << 0 << 0;
        // h x 60 just below zero truncates to 0 and stays 0.
        QTest::newRow("tiny negative hue") << 255 << 0 << 1 << 0 << 100 << 50;
        // h x 60 between -60 and -1 truncates toward zero before 360 is added.
        QTest::newRow("negative hue") << 255 << 0 << 254 << 301 << 100 << 50;
    }
    void colorToHsl() {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(int, h);
        QFETCH(int, s);
        QFETCH(int, l);
        QCOMPARE(ColorToHsl(r, g, b), (Hsl{h, s, l}));
    }

    void colorToHslRanges() {
        for (int r = 0; r < 256; r += 3)
            for (int g = 0; g < 256; g += 5)
                for (int b = 0; b < 256; ++b) {
                    const Hsl v = ColorToHsl(r, g, b);
                    QVERIFY(v.hue >= 0 && v.hue < 360);
                    QVERIFY(v.saturation >= 0 && v.saturation <= 100);
                    QVERIFY(v.luminance >= 0 && v.luminance <= 100);
                }
    }

    // Any input at all gives a result: under the sanitizers an overflowing
    // float-to-integer conversion would stop the test.
    void anyInputGivesAResult_data() {
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("c");
        const float inf = std::numeric_limits<float>::infinity();
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("negative channel") << 1.0f << -1.0f << 0.0f;
        QTest::newRow("huge") << 1e12f << 0.0f << 0.0f;
        QTest::newRow("huge negative") << -1e30f << 50.0f << 400.0f;
        QTest::newRow("infinity") << inf << -inf << 0.0f;
        QTest::newRow("not a number") << nan << 1.0f << nan;
    }
    void anyInputGivesAResult() {
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(float, c);
        const TColor color = HslToColor(a, b, c);
        QVERIFY(color >= 0 && color <= 0xFFFFFF);
        const Hsl hsl = ColorToHsl(a, b, c);
        QVERIFY(hsl.hue >= -360 && hsl.hue < 720); // defined, whatever it is
        Q_UNUSED(hsl.saturation);
    }

    void channelsToHex_data() {
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected");
        QTest::newRow("336699") << "51"
                                << "102"
                                << "153"
                                << "336699";
        QTest::newRow("zeros") << "0"
                               << "0"
                               << "0"
                               << "000000";
        QTest::newRow("white") << "255"
                               << "255"
                               << "255"
                               << "FFFFFF";
        QTest::newRow("hex texts") << "$A"
                                   << "0x1F"
                                   << " 16"
                                   << "0A1F10";
        QTest::newRow("beyond a byte") << "300"
                                       << "0"
                                       << "0"
                                       << "18C0000";
    }
    void channelsToHex() {
        QFETCH(QString, r);
        QFETCH(QString, g);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(
                     ChannelsToHex(r.toStdString(), g.toStdString(), b.toStdString())),
                 expected);
    }

    void hexRoundTripEveryChannelValue() {
        for (int v = 0; v < 256; ++v) {
            const std::string text = std::to_string(v);
            const std::string hex = ChannelsToHex(text, "0", text);
            QCOMPARE(HexToColor(hex), RGBColor(v, 0, v));
            std::string lower = hex;
            for (char& c : lower)
                c = char(std::tolower(c));
            QCOMPARE(HexToColor(lower), RGBColor(v, 0, v));
        }
        QCOMPARE(HexToColor("3399FF"), RGBColor(51, 153, 255));
        QCOMPARE(HexToColor("3399ff"), RGBColor(51, 153, 255));
        QCOMPARE(HexToColor("FF0000"), 0x0000FF);
    }

    void conversionErrors_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("message");
        QTest::newRow("letter g") << "33g9ff"
                                  << "'g' is not a valid integer value";
        QTest::newRow("blank") << "33 9ff"
                               << "' ' is not a valid integer value";
        QTest::newRow("hash") << "#39fff"
                              << "'#' is not a valid integer value";
        QTest::newRow("dollar") << "$39fff"
                                << "'$' is not a valid integer value";
        QTest::newRow("short") << "39fff"
                               << "'39fff' is not a six-digit colour code";
    }
    void conversionErrors() {
        QFETCH(QString, hex);
        QFETCH(QString, message);
        try {
            HexToColor(hex.toStdString());
            QFAIL("no conversion error");
        } catch (const EConvertError& e) {
            QCOMPARE(QString(e.what()), message);
        }
        try {
            ChannelsToHex("1", "2x", "3");
            QFAIL("no conversion error");
        } catch (const EConvertError& e) {
            QCOMPARE(QString(e.what()), QString("'2x' is not a valid integer value"));
        }
    }

    void strToInt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("leading blanks") << "   7" << true << 7;
        QTest::newRow("plus") << "+15" << true << 15;
        QTest::newRow("minus") << "-15" << true << -15;
        QTest::newRow("dollar hex") << "$ff" << true << 255;
        QTest::newRow("x hex") << "xFF" << true << 255;
        QTest::newRow("0x hex") << "0x1A" << true << 26;
        QTest::newRow("negative hex") << "-$10" << true << -16;
        QTest::newRow("hex pattern") << "$FFFFFFFF" << true << -1;
        QTest::newRow("max") << "2147483647" << true << 2147483647;
        QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("underflow") << "-2147483649" << false << 0;
        QTest::newRow("hex overflow") << "$100000000" << false << 0;
        QTest::newRow("long digits") << "99999999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blanks only") << "   " << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("two signs") << "+-1" << false << 0;
        QTest::newRow("dollar only") << "$" << false << 0;
        QTest::newRow("0x only") << "0x" << false << 0;
        QTest::newRow("garbage") << "abc" << false << 0;
        QTest::newRow("fraction") << "1.5" << false << 0;
        QTest::newRow("tab first") << "\t1" << false << 0;
    }
    void strToInt() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        try {
            const int got = StrToInt(text.toStdString());
            QVERIFY2(valid, "accepted");
            QCOMPARE(got, value);
        } catch (const EConvertError& e) {
            QVERIFY2(!valid, e.what());
            QCOMPARE(QString(e.what()), QString("'%1' is not a valid integer value").arg(text));
        }
    }

    // WCAG's own examples and thresholds: the ratio cut to two decimals, the
    // same either way round, and the levels at their exact edges.
    void contrast_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("levels");
        QTest::newRow("black on white") << 0x000000 << 0xFFFFFF << "21.00"
                                        << "AA AAA AA-large AAA-large";
        QTest::newRow("same colour") << 0x336699 << 0x336699 << "1.00"
                                     << "none";
        QTest::newRow("767676: the lightest grey for AA") << 0x767676 << 0xFFFFFF << "4.54"
                                                          << "AA AA-large AAA-large";
        QTest::newRow("777777 just fails AA") << 0x777777 << 0xFFFFFF << "4.47"
                                              << "AA-large";
        QTest::newRow("595959: AAA") << 0x595959 << 0xFFFFFF << "7.00"
                                     << "AA AAA AA-large AAA-large";
        QTest::newRow("pure red on white") << 0x0000FF << 0xFFFFFF << "3.99"
                                           << "AA-large";
        QTest::newRow("below the linear threshold") << 0x0A0A0A << 0x000000 << "1.06"
                                                    << "none";
        // 4.49999999999…: it fails AA, and is not shown as 4.50.
        QTest::newRow("a hair below 4.5") << 0x17223E << 0xB88C89 << "4.49"
                                          << "AA-large";
    }
    void contrast() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, ratio);
        QFETCH(QString, levels);
        const int there = contrastHundredths(TColor(a), TColor(b));
        QCOMPARE(contrastHundredths(TColor(b), TColor(a)), there);
        QCOMPARE(QString::fromStdString(ratioText(there)), ratio);
        QCOMPARE(QString::fromStdString(levelsPassed(there)), levels);
    }

    // An averaged sample: each channel's mean, a half rounded up.
    void average_data() {
        QTest::addColumn<QList<int>>("colours");
        QTest::addColumn<QString>("mean");
        QTest::newRow("one") << QList<int>{0x123456} << "563412";
        QTest::newRow("black and white checks: half up")
            << QList<int>{0x000000, 0xFFFFFF} << "808080";
        QTest::newRow("a third rounds down") << QList<int>{0x000001, 0, 0} << "000000";
        QTest::newRow("two thirds round up") << QList<int>{0x000002, 0, 0} << "010000";
        QTest::newRow("5x5 checkerboard, 13 white") << [] {
            QList<int> board(25, 0);
            for (int i = 0; i < 25; i += 2)
                board[i] = 0xFFFFFF;
            return board;
        }() << "858585";
        QTest::newRow("none") << QList<int>{} << "000000";
    }
    void average() {
        QFETCH(QList<int>, colours);
        QFETCH(QString, mean);
        QCOMPARE(code(averageColour(std::vector<TColor>(colours.begin(), colours.end()))), mean);
    }

    // CSS Color 4 text, its hsl() by CSS's own rounded conversion (the
    // values browsers compute), not the truncated H/S/L of the palette.
    void cssText_data() {
        QTest::addColumn<int>("rgb");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("rgbText");
        QTest::addColumn<QString>("hsl");
        QTest::newRow("blue") << 0x3366CC << "#3366CC"
                              << "rgb(51 102 204)"
                              << "hsl(220 60% 50%)";
        // hsl(180 50% 50%) is 40BFBF: a decimal gives 3FBFBF back.
        QTest::newRow("teal") << 0x3FBFBF << "#3FBFBF"
                              << "rgb(63 191 191)"
                              << "hsl(180 50.4% 49.8%)";
        QTest::newRow("grey") << 0x808080 << "#808080"
                              << "rgb(128 128 128)"
                              << "hsl(0 0% 50.2%)";
        QTest::newRow("white") << 0xFFFFFF << "#FFFFFF"
                               << "rgb(255 255 255)"
                               << "hsl(0 0% 100%)";
        QTest::newRow("hue near 360") << 0xFF0001 << "#FF0001"
                                      << "rgb(255 0 1)"
                                      << "hsl(359.8 100% 50%)";
        QTest::newRow("sea green") << 0x2E8B57 << "#2E8B57"
                                   << "rgb(46 139 87)"
                                   << "hsl(146.5 50.3% 36.3%)";
    }
    void cssText() {
        QFETCH(int, rgb);
        QFETCH(QString, hex);
        QFETCH(QString, rgbText);
        QFETCH(QString, hsl);
        const TColor color = RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        QCOMPARE(QString::fromStdString(cssHex(color)), hex);
        QCOMPARE(QString::fromStdString(cssRgb(color)), rgbText);
        QCOMPARE(QString::fromStdString(cssRgb(color, true)), QString(rgbText).replace(" ", ", "));
        QCOMPARE(QString::fromStdString(cssHsl(color)), hsl);
    }

    // Oklch of the primaries as CSS Color 4's own sample code gives them
    // (oklch.com's figures), and greys with no hue: each text reads back
    // as its colour under the inverse.
    void oklch_data() {
        QTest::addColumn<int>("rgb");
        QTest::addColumn<double>("l");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("h");
        QTest::newRow("red") << 0xFF0000 << 62.796 << 0.25768 << 29.234;
        QTest::newRow("lime") << 0x00FF00 << 86.644 << 0.29483 << 142.495;
        QTest::newRow("blue") << 0x0000FF << 45.201 << 0.31321 << 264.052;
        QTest::newRow("white") << 0xFFFFFF << 100.0 << 0.0 << 0.0;
        QTest::newRow("black") << 0x000000 << 0.0 << 0.0 << 0.0;
        QTest::newRow("grey") << 0x808080 << 59.987 << 0.0 << 0.0;
    }
    void oklch() {
        QFETCH(int, rgb);
        QFETCH(double, l);
        QFETCH(double, c);
        QFETCH(double, h);
        const TColor color = RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        const QString text = QString::fromStdString(cssOklch(color));
        const QRegularExpressionMatch m =
            QRegularExpression(R"(^oklch\(([0-9.]+)% ([0-9.]+) ([0-9.]+)\)$)").match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QVERIFY2(std::fabs(m.captured(1).toDouble() - l) < 0.06, qPrintable(text));
        QVERIFY2(std::fabs(m.captured(2).toDouble() - c) < 0.0006, qPrintable(text));
        if (c > 0) QVERIFY2(std::fabs(m.captured(3).toDouble() - h) < 0.06, qPrintable(text));
        double back[3];
        oklchToSrgb(m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                    back);
        QCOMPARE(int(std::lround(back[0])), (rgb >> 16) & 0xFF);
        QCOMPARE(int(std::lround(back[1])), (rgb >> 8) & 0xFF);
        QCOMPARE(int(std::lround(back[2])), rgb & 0xFF);
        QCOMPARE(QString::fromStdString(codeInForm(color, CodeForm::Oklch)), text);
    }

    void codeForms_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex") << "hex"
                             << "1E90FF";
        QTest::newRow("#hex") << "#hex"
                              << "#1E90FF";
        QTest::newRow("rgb") << "rgb"
                             << "rgb(30 144 255)";
        QTest::newRow("hsl") << "hsl"
                             << "hsl(209.6 100% 55.9%)";
        QTest::newRow("oklch") << "oklch"
                               << "oklch(65.201% 0.19012 253.205)";
        QTest::newRow("lab") << "lab"
                             << "lab(58.36 0.89 -64.78)";
        QTest::newRow("lch") << "lch"
                             << "lch(58.36 64.79 270.79)";
        QTest::newRow("oklab") << "oklab"
                               << "oklab(65.2006% -0.054933 -0.18201)";
        QTest::newRow("hwb") << "hwb"
                             << "hwb(209.6 11.8% 0%)";
        // A template: each placeholder filled, doubled braces as braces.
        QTest::newRow("template")
            << "{r}, {g}, {b}; {hex} {HEX}; {h} {s} {l}; {rf} {gf} {bf}"
            << "30, 144, 255; 1e90ff 1E90FF; 209.6 100 55.9; 0.1176 0.5647 1.0000";
        QTest::newRow("braces") << "{{{r}}} }}"
                                << "{30} }";
        QTest::newRow("unknown placeholder") << "{red}"
                                             << "!unknown placeholder {red}";
        QTest::newRow("a brace left open") << "{r"
                                           << "!a '{' with no '}'";
        QTest::newRow("a brace alone") << "r}"
                                       << "!a '}' with no '{'";
        QTest::newRow("unknown") << "HEX"
                                 << "!'HEX' is not a format";
        QTest::newRow("empty") << ""
                               << "!'' is not a format";
    }
    void codeForms() {
        QFETCH(QString, word);
        QFETCH(QString, text);
        std::string why;
        const auto format = codeFormatNamed(word.toStdString(), why);
        // "!": refused, and the reason begins so.
        QCOMPARE(format.has_value(), !text.startsWith('!'));
        if (!format) {
            QVERIFY2(QString::fromStdString(why).startsWith(text.mid(1)), why.c_str());
            return;
        }
        if (format->form)
            QCOMPARE(QString::fromStdString(std::string(codeFormWord(*format->form))), word);
        QCOMPARE(QString::fromStdString(codeInFormat(RGBColor(0x1E, 0x90, 0xFF), *format)), text);
    }

    // Sharma, Wu and Dalal's published test pairs for CIEDE2000.
    void deltaE2000_data() {
        QTest::addColumn<double>("l1");
        QTest::addColumn<double>("a1");
        QTest::addColumn<double>("b1");
        QTest::addColumn<double>("l2");
        QTest::addColumn<double>("a2");
        QTest::addColumn<double>("b2");
        QTest::addColumn<double>("expected");
        QTest::newRow("1") << 50.0 << 2.6772 << -79.7751 << 50.0 << 0.0 << -82.7485 << 2.0425;
        QTest::newRow("2") << 50.0 << 3.1571 << -77.2803 << 50.0 << 0.0 << -82.7485 << 2.8615;
        QTest::newRow("3") << 50.0 << 2.8361 << -74.0200 << 50.0 << 0.0 << -82.7485 << 3.4412;
        QTest::newRow("7") << 50.0 << 0.0 << 0.0 << 50.0 << -1.0 << 2.0 << 2.3669;
        QTest::newRow("25") << 60.2574 << -34.0099 << 36.2677 << 60.4626 << -34.1751 << 39.4387
                            << 1.2644;
        QTest::newRow("34") << 2.0776 << 0.0795 << -1.1350 << 0.9033 << -0.0636 << -0.5514
                            << 0.9082;
    }
    void deltaE2000() {
        QFETCH(double, l1);
        QFETCH(double, a1);
        QFETCH(double, b1);
        QFETCH(double, l2);
        QFETCH(double, a2);
        QFETCH(double, b2);
        QFETCH(double, expected);
        const double there = ::deltaE2000({l1, a1, b1}, {l2, a2, b2});
        QVERIFY2(std::fabs(there - expected) < 1e-4, qPrintable(QString::number(there, 'f', 6)));
        QVERIFY(std::fabs(::deltaE2000({l2, a2, b2}, {l1, a1, b1}) - there) < 1e-9);
    }

    void nearestCssName_data() {
        QTest::addColumn<int>("rgb");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("within");
        QTest::newRow("named exactly") << 0x2E8B57 << "seagreen" << 0.0;
        QTest::newRow("two names, the first") << 0x808080 << "gray" << 0.0;
        QTest::newRow("a step from red") << 0xFE0000 << "red" << 0.5;
        QTest::newRow("near cornflower") << 0x6394EE << "cornflowerblue" << 1.0;
    }
    void nearestCssName() {
        QFETCH(int, rgb);
        QFETCH(QString, name);
        QFETCH(double, within);
        const NamedColour near =
            ::nearestCssName(RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
        QCOMPARE(QString::fromStdString(near.name), name);
        QVERIFY2(near.distance <= within + 1e-9, qPrintable(QString::number(near.distance)));
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
