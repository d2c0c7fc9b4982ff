#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Where the X server has a top-level window now, in Qt's coordinates:
// Qt's own idea can lag behind a compositor that put it elsewhere.
std::optional<QPoint> windowPlaceOnX(const QWidget* window);
