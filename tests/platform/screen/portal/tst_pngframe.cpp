// The quick reader of the desktop's screenshots, held against Qt's own PNG
// reader (libpng) on files made here with every row filter.

#include "platform/screen/portal/PngFrame.h"

#include "DeclaredPng.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

// The file as a screenshot the desktop left in the folder.
QString written(const QTemporaryDir& dir, const QByteArray& file) {
    const QString path = dir.filePath("shot.png");
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) out.write(file);
    return path;
}

QByteArray bigEndian(quint32 v) {
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

QByteArray chunk(const char* type, const QByteArray& data) {
    const QByteArray body = QByteArray(type) + data;
    return bigEndian(quint32(data.size())) + body + bigEndian(crc32(body));
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// A PNG of our own making: row y filtered with filters[y % size], the
// compressed stream cut into `pieces` IDAT chunks.
QByteArray encode(const QImage& image, bool alpha, const QList<int>& filters, int pieces = 1,
                  int depth = 8) {
    const int bpp = alpha ? 4 : 3;
    const int stride = image.width() * bpp;
    QByteArray raw;
    QByteArray previous(stride, 0);
    for (int y = 0; y < image.height(); ++y) {
        QByteArray row(stride, 0);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int channel[4] = {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
            for (int c = 0; c < bpp; ++c)
                row[x * bpp + c] = char(channel[c]);
        }
        const int filter = filters[y % filters.size()];
        raw += char(filter);
        for (int i = 0; i < stride; ++i) {
            const int cur = quint8(row[i]), up = quint8(previous[i]);
            const int left = i >= bpp ? quint8(row[i - bpp]) : 0;
            const int upLeft = i >= bpp ? quint8(previous[i - bpp]) : 0;
            const int predicted = filter == 1   ? left
                                  : filter == 2 ? up
                                  : filter == 3 ? (left + up) / 2
                                  : filter == 4 ? paeth(left, up, upLeft)
                                                : 0;
            raw += char(cur - predicted);
        }
        previous = row;
    }
    const QByteArray zlib = qCompress(raw).mid(4); // qCompress puts the length first
    QByteArray header = bigEndian(quint32(image.width())) + bigEndian(quint32(image.height()));
    header += char(depth);
    header += char(alpha ? 6 : 2);
    header += QByteArray(3, 0);
    QByteArray png = QByteArray("\x89PNG\r\n\x1A\n", 8) + chunk("IHDR", header);
    const int step = (zlib.size() + pieces - 1) / pieces;
    for (int at = 0; at < zlib.size(); at += step)
        png += chunk("IDAT", zlib.mid(at, step));
    return png + chunk("IEND", {});
}

QImage noise(QSize size, bool varyAlpha) {
    QImage image(size, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const quint32 v = random.generate();
            image.setPixel(
                x, y,
                qRgba(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, varyAlpha ? v >> 24 : 0xFF));
        }
    return image;
}

QImage withQt(const QByteArray& png) {
    QImage image = QImage::fromData(png, "PNG");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPngFrame : public QObject {
    Q_OBJECT

private slots:
    void sameAsQt_data() {
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<QList<int>>("filters");
        QTest::addColumn<int>("pieces");
        QTest::newRow("rgb, every filter in turn") << false << QList<int>{0, 1, 2, 3, 4} << 1;
        QTest::newRow("rgb, average alone") << false << QList<int>{3} << 1;
        QTest::newRow("rgb, paeth alone") << false << QList<int>{4} << 1;
        QTest::newRow("rgba, every filter in turn") << true << QList<int>{4, 3, 2, 1, 0} << 1;
        QTest::newRow("rgb, many chunks") << false << QList<int>{1, 4} << 17;
    }
    void sameAsQt() {
        QFETCH(bool, alpha);
        QFETCH(QList<int>, filters);
        QFETCH(int, pieces);
        // An odd size: no row is a whole number of words.
        const QImage image = noise(QSize(37, 23), false);
        const QByteArray png = encode(image, alpha, filters, pieces);
        const QImage ours = decodePlainPng(png);
        QVERIFY(!ours.isNull());
        QCOMPARE(ours.format(), QImage::Format_RGB32);
        QCOMPARE(ours, withQt(png));
        QCOMPARE(ours, image.convertToFormat(QImage::Format_RGB32));
    }

    // Alpha is not the screen's to have: the colour channels stay as they are.
    void alphaIsDropped() {
        const QImage image = noise(QSize(9, 5), true);
        const QImage ours = decodePlainPng(encode(image, true, {0}));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 9; ++x)
                QCOMPARE(ours.pixel(x, y), image.pixel(x, y) | 0xFF000000u);
    }

    // What the quick way does not take goes to Qt's reader, and what
    // neither can read is an error, never a picture.
    void otherFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        const QImage image = noise(QSize(12, 8), false).convertToFormat(QImage::Format_RGB32);
        QByteArray indexed;
        QBuffer buffer(&indexed);
        buffer.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_Indexed8).save(&buffer, "PNG");
        QByteArray deep;
        QBuffer deepBuffer(&deep);
        deepBuffer.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_RGBA64).save(&deepBuffer, "PNG");
        QByteArray badFilter = encode(image, false, {5});
        QByteArray cut = encode(image, false, {2});
        cut.chop(40);
        QTest::newRow("palette") << indexed << true;
        QTest::newRow("16 bits a channel") << deep << true;
        QTest::newRow("unknown row filter") << badFilter << false;
        QTest::newRow("cut short") << cut << false;
        QTest::newRow("not a PNG") << QByteArray("GIF89a and so on") << false;
    }
    void otherFiles() {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        QVERIFY(decodePlainPng(file).isNull());
        QTemporaryDir dir;
        const QString path = written(dir, file);
        QString error;
        const QImage read = readScreenshotFile(path, &error);
        QCOMPARE(!read.isNull(), readable);
        if (readable)
            QCOMPARE(read, withQt(file));
        else
            QVERIFY(!error.isEmpty());
    }

    // A few bytes may declare gigabytes: a picture larger than the screens
    // is refused from its header, whatever its checksum, and nothing the
    // size it declares is made.
    void declaredGiantsAreRefused_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("largest");
        QTest::newRow("32768 square, 45 bytes") << declaredPng(32768, 32768) << QSize(1920, 1080);
        QTest::newRow("its checksum broken")
            << declaredPng(32768, 32768, false) << QSize(1920, 1080);
        QTest::newRow("wider than the screens") << declaredPng(4000, 10) << QSize(3840, 2160);
        QTest::newRow("beyond any screen") << declaredPng(20000, 20000) << QSize(16384, 16384);
    }
    void declaredGiantsAreRefused() {
        QFETCH(QByteArray, file);
        QFETCH(QSize, largest);
        QCOMPARE(file.size(), 45);
        QVERIFY(decodePlainPng(file, largest).isNull());
        QTemporaryDir dir;
        const QString path = written(dir, file);
        QString error;
        QVERIFY(readScreenshotFile(path, &error, largest).isNull());
        QVERIFY2(error.contains("larger than the screens"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPngFrame)
#include "tst_pngframe.moc"
