#include "platform/forms/Pictures.h"

#include "platform/forms/Language.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace {
// In the format painting uses, so that no paint converts it again (a
// 24-bit bitmap would be converted on every repaint).
QPixmap paintReady(const QImage& image, qreal ratio) {
    QPixmap picture = QPixmap::fromImage(image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32));
    picture.setDevicePixelRatio(ratio);
    return picture;
}
} // namespace

QImage ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {

// A picture of the language chosen where there is one (a skin with the
// window's name in its bar): ":/forms/card/skin.png" is looked for first
// as ":/forms/de/card/skin.png".
QString pictureOfLanguage(const QString& name) {
    const QString language = chosenLanguage();
    const QString forms = QStringLiteral(":/forms/");
    if (language.isEmpty() || !name.startsWith(forms)) return name;
    QString local = name;
    local.insert(forms.size(), language + QLatin1Char('/'));
    return QFile::exists(local) ? local : name;
}

} // namespace

QPixmap LoadPicture(const char* path) {
    const QString name = pictureOfLanguage(QString::fromLatin1(path));
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1) {
        QString sharp = name;
        sharp.insert(sharp.lastIndexOf('.'), QLatin1String("@2x"));
        const QImage image = ReadPng(sharp);
        if (!image.isNull()) return paintReady(image, 2);
    }
    return paintReady(ReadPng(name), 1);
}

std::optional<QIcon> LoadIconFile(const char* name, int size) {
    const QString path = QString::fromLocal8Bit(name);
    if (!QFileInfo(path).isFile()) return std::nullopt;
    // An icon file holds several sizes; take the one nearest the size asked.
    QImageReader reader(path);
    QImage best;
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        QImage image = reader.read();
        if (image.isNull()) continue;
        const auto distance = [&](const QImage& im) { return std::abs(im.width() - size); };
        if (best.isNull() || distance(image) < distance(best)) best = image;
    }
    if (best.isNull()) return std::nullopt;
    if (best.width() != size || best.height() != size)
        best = best.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QIcon(QPixmap::fromImage(best));
}
