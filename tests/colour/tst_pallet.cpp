#include "core/colour/Pallet.h"

#include <QtTest>

#include <set>

class TestPallet : public QObject {
    Q_OBJECT
private slots:
    void startsWhiteWithoutCode() {
        Pallet pallet;
        QCOMPARE(pallet.GetColor(), 0xFFFFFF);
        QVERIFY(pallet.GetCode().empty());
    }

    void handsOutCopies() {
        Pallet pallet;
        pallet.SetCode("3FBFBF");
        std::string code = pallet.GetCode();
        code[0] = 'X';
        QCOMPARE(pallet.GetCode(), std::string("3FBFBF"));
    }

    void webSafeEntries_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        const std::pair<int, const char*> rows[] = {
            {0, "330000"},   {1, "333300"},   {5, "33FF00"},   {6, "66FF00"},
            {11, "660000"},  {12, "FF0000"},  {17, "FFFF00"},  {18, "330033"},
            {107, "FFFFFF"}, {108, "0000FF"}, {125, "CCFFFF"}, {126, "0000CC"},
            {198, "000000"}, {204, "99FF00"}, {215, "CCFF00"}, {216, "RRGGBB"},
        };
        for (auto [index, code] : rows)
            QTest::addRow("%d", index) << index << QString(code);
    }
    void webSafeEntries() {
        QFETCH(int, index);
        QFETCH(QString, code);
        QCOMPARE(QString::fromStdString(Pallet().WebSafeCodes()[index]), code);
    }

    void webSafeHoldsEveryCombinationOnce() {
        const Pallet pallet;
        const auto& codes = pallet.WebSafeCodes();
        const std::set<std::string> levels = {"00", "33", "66", "99", "CC", "FF"};
        std::set<std::string> seen;
        for (int i = 0; i < 216; ++i) {
            const std::string& code = codes[i];
            QCOMPARE(code.size(), size_t(6));
            for (int p = 0; p < 6; p += 2)
                QVERIFY2(levels.count(code.substr(p, 2)), code.c_str());
            QVERIFY2(seen.insert(code).second, code.c_str());
        }
        QCOMPARE(seen.size(), size_t(216));
    }

    void colorToCode_data() {
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("code");
        QTest::newRow("black") << 0x000000 << "000000";
        QTest::newRow("white") << 0xFFFFFF << "FFFFFF";
        QTest::newRow("red") << 0x0000FF << "FF0000";
        QTest::newRow("blue") << 0xFF0000 << "0000FF";
        QTest::newRow("FF9933") << 0x003399FF << "FF9933";
        QTest::newRow("blank") << BlankColor << "50505F";
        QTest::newRow("small values pad") << 0x000A0B0C << "0C0B0A";
        QTest::newRow("high byte ignored") << int(0x80FF8000u) << "0080FF";
        QTest::newRow("system colour") << int(0xFF000010u) << "100000";
    }
    void colorToCode() {
        QFETCH(int, color);
        QFETCH(QString, code);
        QCOMPARE(QString::fromStdString(ColorToCode(color)), code);
    }
};

QTEST_APPLESS_MAIN(TestPallet)
#include "tst_pallet.moc"
