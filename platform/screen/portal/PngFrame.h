#pragma once

#include <QImage>
#include <QString>

// The desktop's picture of the screen, as RGB32. Screenshots are 8-bit RGB
// or RGBA PNGs: those are inflated with libdeflate and unfiltered straight
// into the picture, in a fraction of the time of Qt's reader; any other
// file, or one that does not read so, goes to Qt's reader.
// A null image when the file cannot be read, with the reason in `error`.
// A picture larger than `largest` (the screens it can only show) is refused
// from its header, before anything is decoded: a few bytes may declare
// gigabytes.
QImage readScreenshotFile(const QString& path, QString* error = nullptr,
                          QSize largest = QSize(16384, 16384));

// The quick way alone: a null image for anything but an intact 8-bit RGB
// or RGBA PNG that is not interlaced.
QImage decodePlainPng(const QByteArray& file, QSize largest = QSize(16384, 16384));
