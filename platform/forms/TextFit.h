#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

// A text that must be seen whole in a fixed width (a card's title): the
// font made smaller, down to the least size still read with ease, then
// narrower, until the text fits on one line. A text that fits keeps the
// font as it is.
QFont fittingFont(const QFont& font, const QString& text, qreal width,
                  const QPaintDevice* device = nullptr);
