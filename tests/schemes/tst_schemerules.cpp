#include "core/schemes/SchemeRules.h"

#include <QtTest>

#include <functional>

// The luminance rules against their tables, row by row: each row a range of
// L and what it gives (an offset from L where the table says L + n).
class TestSchemeRules : public QObject {
    Q_OBJECT

    struct Range {
        int from, to;
        bool relative; // the result is L + value, else value
        int value;
    };
    static void checkRule(const std::function<int(int)>& rule, const std::vector<Range>& table) {
        int covered = 0;
        for (const Range& r : table)
            for (int l = r.from; l <= r.to; ++l, ++covered)
                QCOMPARE(rule(l), r.relative ? l + r.value : r.value);
        QCOMPARE(covered, 101); // every L from 0 to 100, once
    }

private slots:
    void luminanceRules_data() {
        QTest::addColumn<QString>("rule");
        QTest::newRow("tint") << "tint";
        QTest::newRow("complement") << "complement";
        QTest::newRow("ten darker") << "ten darker";
        QTest::newRow("wrap") << "wrap";
        QTest::newRow("tint less ten") << "tint less ten";
    }
    void luminanceRules() {
        QFETCH(QString, rule);
        const bool L = true, V = false;
        if (rule == "tint")
            checkRule(tintRule, {{0, 9, L, 0},
                                 {10, 24, V, 86},
                                 {25, 29, V, 87},
                                 {30, 34, V, 88},
                                 {35, 39, V, 89},
                                 {40, 44, V, 90},
                                 {45, 49, V, 91},
                                 {50, 54, V, 92},
                                 {55, 59, V, 93},
                                 {60, 64, V, 94},
                                 {65, 79, V, 95},
                                 {80, 98, V, 30},
                                 {99, 100, L, 0}});
        if (rule == "complement")
            checkRule(complementRule, {{0, 9, L, 0},
                                       {10, 59, L, 30},
                                       {60, 69, L, 20},
                                       {70, 79, L, 0},
                                       {80, 97, L, -20},
                                       {98, 100, L, 0}});
        if (rule == "ten darker")
            checkRule(tenDarkerRule, {{0, 9, L, 0}, {10, 79, L, -10}, {80, 100, L, 0}});
        if (rule == "wrap")
            checkRule(wrapRule, {{0, 9, L, 0},
                                 {10, 60, L, 40},
                                 {61, 69, L, -60},
                                 {70, 84, L, -45},
                                 {85, 97, L, -60},
                                 {98, 100, L, 0}});
        if (rule == "tint less ten")
            checkRule(tintLessTenRule, {{0, 9, L, 0},
                                        {10, 24, V, 76},
                                        {25, 29, V, 77},
                                        {30, 34, V, 78},
                                        {35, 39, V, 79},
                                        {40, 44, V, 80},
                                        {45, 49, V, 81},
                                        {50, 54, V, 82},
                                        {55, 59, V, 83},
                                        {60, 64, V, 84},
                                        {65, 79, V, 85},
                                        {80, 100, L, 0}});
    }

    void hues_data() {
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("result");
        QTest::newRow("250 + 120") << 250 << 120 << 10;
        QTest::newRow("100 + 240") << 100 << 240 << 340;
        QTest::newRow("200 + 180") << 200 << 180 << 20;
        QTest::newRow("360 + 240 wraps once") << 360 << 240 << 240;
        QTest::newRow("120 + 240 is 0") << 120 << 240 << 0;
        QTest::newRow("119 + 240 stays") << 119 << 240 << 359;
    }
    void hues() {
        QFETCH(int, hue);
        QFETCH(int, offset);
        QFETCH(int, result);
        QCOMPARE(offsetHue(hue, offset), result);
    }

    // Hue 200, saturation 50, luminance 50.
    void workedExample() {
        const std::array<SchemeHsl, 8> expected{{{20, 50, 80},
                                                 {200, 50, 92},
                                                 {345, 50, 40},
                                                 {55, 50, 92},
                                                 {80, 50, 50},
                                                 {200, 50, 90},
                                                 {320, 50, 92},
                                                 {80, 50, 82}}};
        QCOMPARE(derivedColours(200, 50, 50), expected);
    }

    void hue360() {
        const auto at360 = derivedColours(360, 40, 50);
        const auto at0 = derivedColours(0, 40, 50);
        QCOMPARE(at360[1].hue, 0);   // scheme 1 colour 3
        QCOMPARE(at360[5].hue, 360); // scheme 3 colour 3, as it is
        for (int i : {0, 2, 3, 4, 6, 7})
            QCOMPARE(at360[i], at0[i]);
    }
};

QTEST_APPLESS_MAIN(TestSchemeRules)
#include "tst_schemerules.moc"
