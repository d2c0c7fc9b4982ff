#pragma once

#include <QPoint>
#include <QString>

#include <optional>

class QWidget;

// Where the X server has a top-level window now, in Qt's coordinates:
// Qt's own idea can lag behind a compositor that put it elsewhere.
std::optional<QPoint> windowPlaceOnX(const QWidget* window);

// The name the X window manager gives itself (_NET_WM_NAME of the window
// _NET_SUPPORTING_WM_CHECK names); empty without one.
QString windowManagerNameOnX();
