#pragma once

#include "core/colour/TColor.h"

#include <QColor>
#include <QString>

#include <string>

// The one crossing between the colours the windows compute with (0x00BBGGRR)
// and Qt's (0xAARRGGBB), and between our UTF-8 strings and Qt's.
QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);
QRgb toQRgb(TColor color);
TColor fromQRgb(QRgb rgb);
QString toQString(const std::string& text);
std::string fromQString(const QString& text);
