#include "platform/screen/portal/PngFrame.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include <libdeflate.h>

namespace {

std::uint32_t bigEndian(const unsigned char* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Undoes a row's filter in place; `previous` is the row above, unfiltered,
// or zeros for the first.
bool unfilter(unsigned char type, unsigned char* row, const unsigned char* previous,
              std::size_t length, int bpp) {
    switch (type) {
    case 0: return true;
    case 1:
        for (std::size_t i = std::size_t(bpp); i < length; ++i)
            row[i] = static_cast<unsigned char>(row[i] + row[i - bpp]);
        return true;
    case 2:
        for (std::size_t i = 0; i < length; ++i)
            row[i] = static_cast<unsigned char>(row[i] + previous[i]);
        return true;
    case 3:
        for (std::size_t i = 0; i < length; ++i) {
            const int left = i >= std::size_t(bpp) ? row[i - bpp] : 0;
            row[i] = static_cast<unsigned char>(row[i] + ((left + previous[i]) >> 1));
        }
        return true;
    case 4:
        for (std::size_t i = 0; i < length; ++i) {
            const bool first = i < std::size_t(bpp);
            row[i] =
                static_cast<unsigned char>(row[i] + paeth(first ? 0 : row[i - bpp], previous[i],
                                                          first ? 0 : previous[i - bpp]));
        }
        return true;
    default: return false;
    }
}

} // namespace

QImage decodePlainPng(const QByteArray& file, QSize largest) {
    const auto* data = reinterpret_cast<const unsigned char*>(file.constData());
    const std::size_t size = std::size_t(file.size());
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 8 + 25 || std::memcmp(data, signature, 8) != 0) return {};
    if (bigEndian(data + 8) != 13 || std::memcmp(data + 12, "IHDR", 4) != 0) return {};
    const std::uint32_t width = bigEndian(data + 16), height = bigEndian(data + 20);
    const int depth = data[24], colourType = data[25], interlace = data[28];
    if (width == 0 || height == 0 || width > std::uint32_t(largest.width()) ||
        height > std::uint32_t(largest.height()) || depth != 8 ||
        (colourType != 2 && colourType != 6) || data[26] != 0 || data[27] != 0 || interlace != 0)
        return {};
    const int bpp = colourType == 2 ? 3 : 4;
    const std::size_t stride = std::size_t(width) * std::size_t(bpp);

    // The compressed rows, gathered from their chunks, inflated in one go:
    // far quicker than a row at a time.
    std::vector<unsigned char> compressed;
    bool ended = false;
    for (std::size_t at = 8; !ended && at + 12 <= size;) {
        const std::uint32_t length = bigEndian(data + at);
        if (length > size - at - 12) return {};
        if (std::memcmp(data + at + 4, "IDAT", 4) == 0)
            compressed.insert(compressed.end(), data + at + 8, data + at + 8 + length);
        ended = std::memcmp(data + at + 4, "IEND", 4) == 0;
        at += 12 + length;
    }
    // libdeflate inflates a screenshot many times faster than zlib: its
    // long matches are copied a word at a time.
    const std::size_t rowBytes = stride + 1;
    const std::size_t rawSize = rowBytes * height;
    std::vector<unsigned char> raw(rawSize);
    static libdeflate_decompressor* const inflater = libdeflate_alloc_decompressor();
    std::size_t produced = 0;
    if (!inflater ||
        libdeflate_zlib_decompress(inflater, compressed.data(), compressed.size(), raw.data(),
                                   rawSize, &produced) != LIBDEFLATE_SUCCESS ||
        produced != rawSize)
        return {};

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    const std::vector<unsigned char> zeros(stride, 0);
    const unsigned char* previous = zeros.data();
    for (std::uint32_t y = 0; y < height; ++y) {
        unsigned char* row = raw.data() + y * rowBytes;
        if (!unfilter(row[0], row + 1, previous, stride, bpp)) return {};
        const unsigned char* in = row + 1;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (std::uint32_t x = 0; x < width; ++x, in += bpp)
            out[x] = 0xFF000000u | std::uint32_t(in[0]) << 16 | std::uint32_t(in[1]) << 8 | in[2];
        previous = row + 1;
    }
    return image;
}

namespace {
// The size a PNG's header declares, whatever follows it.
QSize declaredPngSize(const QByteArray& file) {
    const auto* data = reinterpret_cast<const unsigned char*>(file.constData());
    if (file.size() < 24 || std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) != 0 ||
        std::memcmp(data + 12, "IHDR", 4) != 0)
        return {};
    const std::uint32_t width = bigEndian(data + 16), height = bigEndian(data + 20);
    return QSize(int(std::min<std::uint32_t>(width, 1u << 30)),
                 int(std::min<std::uint32_t>(height, 1u << 30)));
}
} // namespace

QImage readScreenshotFile(const QString& path, QString* error, QSize largest) {
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return QImage();
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    // Compressed, it is never larger than its pixels.
    const qint64 most = qint64(largest.width()) * largest.height() * 4 + (1 << 20);
    if (file.size() > most) return fail(QStringLiteral("the file is too large for a screenshot"));
    try {
        const QByteArray bytes = file.readAll();
        QSize size = declaredPngSize(bytes);
        if (!size.isValid()) size = QImageReader(path).size();
        if (size.isValid() && (size.width() > largest.width() || size.height() > largest.height()))
            return fail(QStringLiteral("the picture is %1×%2, larger than the screens can show")
                            .arg(size.width())
                            .arg(size.height()));
        QImage image = decodePlainPng(bytes, largest);
        if (!image.isNull()) return image;
        QImageReader reader(path);
        reader.setAllocationLimit(int(most >> 20) + 1);
        image = reader.read();
        if (image.isNull()) return fail(reader.errorString());
        if (image.width() > largest.width() || image.height() > largest.height())
            return fail(QStringLiteral("the picture is larger than the screens can show"));
        return image.format() == QImage::Format_RGB32 ? image
                                                      : image.convertToFormat(QImage::Format_RGB32);
    } catch (const std::bad_alloc&) {
        return fail(QStringLiteral("there is not enough memory to read it"));
    }
}
