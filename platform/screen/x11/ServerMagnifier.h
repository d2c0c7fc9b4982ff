#pragma once

#include "platform/screen/Magnification.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <optional>

struct ServerMagnifierParts;

// The eyedropper's enlarged view drawn by the X server itself: the pixels
// are copied from the root window into a pixmap of ours and scaled onto
// this window by RENDER, so none of them crosses the connection, and the
// colour under the pointer is read as one pixel, the one reply a move
// waits for. It lies over the control Qt paints otherwise and gives the
// same pixels: the same nearest-neighbour sampling and the overlay drawn
// by Qt over them.
class ServerMagnifier : public QWidget {
public:
    // The view over `view` with `overlay` (a sibling over it) drawn on
    // top, made at the first call; nothing where the server has no RENDER.
    static ServerMagnifier* over(QWidget* view, QWidget* overlay);
    // The view of `view`, if there is one.
    static ServerMagnifier* of(QWidget* view);
    ~ServerMagnifier() override;

    // Shows the root window's device pixels around `pointer` over the whole
    // view as `m` enlarges them and returns the pixels of `sample` (black
    // off the root), in the same round trip; nothing when the server
    // refuses (the view is then hidden). An overlay whose look changes says
    // so by a new value of its "look" property.
    std::optional<QImage> showPixels(const Magnification& m, QPoint pointer, const QRect& sample);
    // How many times the view has been put on the screen.
    long long draws() const { return drawn; }

protected:
    QPaintEngine* paintEngine() const override { return nullptr; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ServerMagnifier(QWidget* view, QWidget* overlay);
    bool ready(const Magnification& m);
    void release();
    void drawOverlay();
    bool overlayShown() const { return overlay && !overlay->isHidden(); }
    void draw();

    QWidget* overlay;
    ServerMagnifierParts* parts;
    long long drawn = 0;
};
