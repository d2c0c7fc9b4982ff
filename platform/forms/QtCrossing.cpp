#include "platform/forms/QtCrossing.h"

QColor toQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}
TColor fromQColor(const QColor& color) {
    return RGBColor(color.red(), color.green(), color.blue());
}
QRgb toQRgb(TColor color) {
    return qRgb(RedOf(color), GreenOf(color), BlueOf(color));
}
TColor fromQRgb(QRgb rgb) {
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
QString toQString(const std::string& text) {
    return QString::fromUtf8(text);
}
std::string fromQString(const QString& text) {
    return text.toUtf8().toStdString();
}
