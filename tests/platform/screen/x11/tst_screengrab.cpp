// The direct read of the screen against Qt's own grab, on a real X server
// showing a pattern in which every physical pixel differs from its
// neighbours: any shift, scaling or rounding between the two shows.
// Run under Xvfb at each scale by screengrab_test.sh.

#include "picker/Enlarge.h"
#include "platform/forms/Controls.h"
#include "platform/screen/x11/ScreenGrab.h"
#include "platform/screen/x11/ServerMagnifier.h"

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

// A magnifier as the eyedropper's window has it: the view, and the overlay
// of the same place drawn over it.
class Magnifier : public QWidget {
public:
    explicit Magnifier(QSize viewSize) {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAutoFillBackground(true);
        setPalette(QPalette(QColor(0x40, 0x44, 0x4A)));
        view = new TImage(this);
        view->setGeometry(QRect(QPoint(6, 17), viewSize));
        overlay = new TImage(this);
        overlay->setGeometry(QRect(QPoint(6, 17), viewSize));
        overlay->setPicturePath(":/forms/picker/pipette.png");
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(viewSize + QSize(20, 30));
    }
    // The window's device pixels as the screen shows them.
    QImage onScreen() const {
        const qreal ratio = devicePixelRatioF();
        const QRect native(toNative(geometry().topLeft()),
                           QSize(qCeil(width() * ratio), qCeil(height() * ratio)));
        return grabScreenDevicePixels(native).value_or(QImage());
    }
    TImage* view;
    TImage* overlay;
};

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

    // The magnifier the X server draws shows, device pixel for device
    // pixel, what the program's own enlargement painted by Qt shows, and
    // reads the same colour, on and over the edge of the screen.
    void serverMagnifierSameAsQt_data() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        const int w = qRound(screen.width() * ratio), h = qRound(screen.height() * ratio);
        QTest::addColumn<QSize>("viewSize");
        QTest::addColumn<QPoint>("pick");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("sample");
        // The eyedropper's view, whose points do not divide evenly among
        // the pixels, and one that does, at each enlargement; the square
        // averaged read in the same reply, cut by the screen's edge too.
        const QSize eyedropper(113, 81);
        QTest::newRow("6x, inside") << eyedropper << QPoint(500, 300) << 6 << 1;
        QTest::newRow("6x, odd place, 5 wide") << eyedropper << QPoint(333, 217) << 6 << 5;
        QTest::newRow("6x, over the top-left corner, 7 wide")
            << eyedropper << QPoint(2, 3) << 6 << 7;
        QTest::newRow("6x, over the bottom-right corner")
            << eyedropper << QPoint(w - 3, h - 1) << 6 << 3;
        QTest::newRow("6x, 108x78") << QSize(108, 78) << QPoint(333, 217) << 6 << 1;
        for (const int zoom : {2, 4, 8, 16}) {
            const QByteArray tag = QByteArray::number(zoom) + "x, ";
            QTest::newRow(tag + "odd place") << eyedropper << QPoint(333, 217) << zoom << 3;
            QTest::newRow(tag + "over the bottom-right corner")
                << eyedropper << QPoint(w - 1, h - 2) << zoom << 7;
        }
    }

    void serverMagnifierSameAsQt() {
        QFETCH(QSize, viewSize);
        QFETCH(QPoint, pick);
        QFETCH(int, zoom);
        QFETCH(int, sample);
        if (qgetenv("EXPECT_DIRECT_READ") == "0") QSKIP("the server's pixels are not 32-bit words");
        QVERIFY(!QPixmap(":/forms/picker/pipette.png").isNull());
        Magnifier magnifier(viewSize);
        // Clear of every source row below, on any screen size and scale.
        magnifier.move(QGuiApplication::primaryScreen()->geometry().center());
        magnifier.show();
        QVERIFY(QTest::qWaitForWindowExposed(&magnifier));
        const Magnification m{viewSize, zoom};
        const QRect source = m.source(pick);
        const auto pixels = grabScreenDevicePixels(source);
        QVERIFY(pixels);
        magnifier.view->setBitmapSize(viewSize.width(), viewSize.height());
        enlargeInto(magnifier.view->Bitmap(), *pixels, m);
        // The pointer's pixel is one whole block of zoom × zoom points in
        // the middle, its neighbours beside it.
        const QImage& points = magnifier.view->Bitmap();
        const QPoint at = pick - source.topLeft();
        const QPoint middle(viewSize.width() / 2, viewSize.height() / 2);
        for (int y = -1; y <= zoom; ++y)
            for (int x = -1; x <= zoom; ++x) {
                const QPoint p = m.centre() + QPoint(x, y);
                const QPoint from = at + QPoint(x < 0 ? -1 : x == zoom, y < 0 ? -1 : y == zoom);
                if (!QRect(QPoint(), pixels->size()).contains(from)) continue;
                QCOMPARE(points.pixel(p), pixels->pixel(from));
            }
        QVERIFY(QRect(m.centre(), QSize(zoom, zoom)).contains(middle));
        magnifier.view->Repaint();
        // Until the view is on the screen (a point well inside it).
        const qreal ratio = magnifier.devicePixelRatioF();
        QTRY_VERIFY(magnifier.onScreen().pixel(qRound(20 * ratio), qRound(40 * ratio)) !=
                    magnifier.palette().window().color().rgb());
        const QImage byQt = magnifier.onScreen();
        // Where the overlay lies over the view.
        magnifier.overlay->hide();
        QTRY_VERIFY(magnifier.onScreen() != byQt);
        const QImage bare = magnifier.onScreen();
        magnifier.overlay->show();
        // Qt's view is spoilt: only the server's drawing can bring it back.
        magnifier.view->Bitmap().fill(Qt::magenta);
        magnifier.view->Repaint();
        QTRY_VERIFY(magnifier.onScreen() != byQt);

        ServerMagnifier* server = ServerMagnifier::over(magnifier.view, magnifier.overlay);
        QVERIFY2(server, "the X server has no RENDER");
        const QRect square = sampleSquare(pick, sample);
        const std::optional<QImage> sampled = server->showPixels(m, pick, square);
        QVERIFY(sampled);
        const QRect desktop = nativeDesktopArea();
        const auto direct = grabScreenDevicePixels(square.intersected(desktop));
        QVERIFY(direct);
        for (int y = 0; y < sample; ++y)
            for (int x = 0; x < sample; ++x) {
                const QPoint p = square.topLeft() + QPoint(x, y);
                QCOMPARE(sampled->pixel(x, y), desktop.contains(p)
                                                   ? direct->pixel(p - (square & desktop).topLeft())
                                                   : qRgb(0, 0, 0));
            }
        const QImage byServer = magnifier.onScreen();
        QCOMPARE(byServer.size(), byQt.size());
        // The overlay's half-transparent edges may differ by one level: the
        // server rounds the blend exactly where Qt's arithmetic comes close.
        const auto near = [](QRgb a, QRgb b) {
            return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
                   std::abs(qBlue(a) - qBlue(b)) <= 1;
        };
        for (int y = 0; y < byQt.height(); ++y)
            for (int x = 0; x < byQt.width(); ++x) {
                const QRgb want = byQt.pixel(x, y), got = byServer.pixel(x, y);
                const bool overlaid = bare.pixel(x, y) != want;
                if (got != want && !(overlaid && near(got, want)))
                    QFAIL(qPrintable(QString("device pixel (%1, %2): the server shows %3, Qt %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(got & 0xFFFFFF, 6, 16, QChar('0'))
                                         .arg(want & 0xFFFFFF, 6, 16, QChar('0'))));
            }
        // Noise was compared.
        QVERIFY(distinctColours(byQt) > 100);
        // With the overlay put away (a message stood there), none is drawn.
        magnifier.overlay->hide();
        QVERIFY(server->showPixels(m, pick, square));
        QCOMPARE(magnifier.onScreen(), bare);
        magnifier.overlay->show();
        // Hidden, the server's view leaves Qt's (spoilt) one to be seen.
        server->hide();
        QTRY_VERIFY(magnifier.onScreen() != byQt);
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
