// The direct read of the screen against Qt's own grab, on a real X server
// showing a pattern in which every physical pixel differs from its
// neighbours: any shift, scaling or rounding between the two shows.
// Run under Xvfb at each scale by screengrab_test.sh.

#include "platform/ScreenGrab.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QSet>
#include <QWidget>
#include <QtTest>

namespace {

// Noise at the screen's own resolution, drawn one image pixel per screen pixel.
class Noise : public QWidget {
public:
    Noise() {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        QImage noise(size() * ratio, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < noise.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(noise.scanLine(y));
            for (int x = 0; x < noise.width(); ++x)
                line[x] = 0xFF000000u | (random.generate() & 0xFFFFFFu);
        }
        noise.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, noise);
    }
};

int distinctColours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

} // namespace

class TestScreenGrab : public QObject {
    Q_OBJECT
    Noise noise;

private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == "xcb", "needs an X server");
        noise.setGeometry(QGuiApplication::primaryScreen()->geometry());
        noise.show();
        QVERIFY(QTest::qWaitForWindowExposed(&noise));
        // Until the pattern is on the screen, not merely sent.
        QTRY_VERIFY_WITH_TIMEOUT(
            distinctColours(grabScreenPointsWithQt(QRect(40, 40, 16, 16)).value_or(QImage())) > 64,
            5000);
    }

    void sameAsQt_data() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int w = screen.width(), h = screen.height();
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("onScreen");
        QTest::newRow("magnifier") << QRect(491, 294, 18, 13) << true;
        QTest::newRow("read-ahead block") << QRect(484, 284, 32, 32) << true;
        QTest::newRow("one pixel at the origin") << QRect(0, 0, 1, 1) << true;
        QTest::newRow("odd place, odd size") << QRect(333, 217, 7, 9) << true;
        QTest::newRow("bottom-right pixel") << QRect(w - 1, h - 1, 1, 1) << true;
        QTest::newRow("a whole row") << QRect(0, 101, w, 1) << true;
        QTest::newRow("a large block") << QRect(101, 57, 301, 203) << true;
        QTest::newRow("over the right edge") << QRect(w - 5, 300, 18, 13) << false;
        QTest::newRow("over the bottom edge") << QRect(600, h - 4, 18, 13) << false;
        QTest::newRow("over the top-left corner") << QRect(-7, -3, 18, 13) << false;
        QTest::newRow("off the screen") << QRect(w + 10, h + 10, 18, 13) << false;
    }

    void sameAsQt() {
        QFETCH(QRect, rect);
        QFETCH(bool, onScreen);
        const auto qtRead = grabScreenPointsWithQt(rect);
        const auto ourRead = grabScreenPoints(rect);
        QVERIFY(qtRead && ourRead);
        const QImage& qt = *qtRead;
        const QImage& ours = *ourRead;
        QCOMPARE(ours.size(), rect.size());
        QCOMPARE(ours.format(), qt.format());
        QCOMPARE(ours, qt);
        if (!onScreen) return;
        const auto direct = readScreenDirect(QGuiApplication::primaryScreen(), rect);
        if (qgetenv("EXPECT_DIRECT_READ") == "0") {
            // A server whose pixels are not 32-bit words is left to Qt.
            QVERIFY(!direct.has_value());
            return;
        }
        // The direct read really answered, and was not Qt's grab again.
        QVERIFY(direct.has_value());
        QCOMPARE(*direct, qt);
        // A pattern, not one colour, was compared.
        const int area = rect.width() * rect.height();
        if (area >= 64) QVERIFY(distinctColours(qt) > area / 2);
    }

    void refusedOutsideTheScreen() {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect g = screen->geometry();
        QVERIFY(!readScreenDirect(screen, QRect(g.right() - 3, 10, 8, 8)));
        QVERIFY(!readScreenDirect(screen, QRect()));
    }
};

QTEST_MAIN(TestScreenGrab)
#include "tst_screengrab.moc"
