#pragma once

#include "platform/screen/ScreenRead.h"
#include "platform/screen/portal/ScreenshotPortal.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

// The points of `rect` (in the desktop's coordinates) read from a picture of
// the whole desktop `area`, whatever the picture's scale: each point takes
// the picture pixel at its top-left corner, black off the picture.
QImage pointsOfPicture(const QImage& picture, const QRect& area, const QRect& rect);

// One gesture's screen reading: straight from the screen where it can be
// read, else from one picture the desktop's screenshot service gives at the
// press, else the desktop's own colour picker.
class ScreenReading : public QObject {
public:
    using DirectRead = std::function<std::optional<QImage>(const QRect&)>;
    using MakePortal = std::function<std::unique_ptr<ScreenshotPortal>()>;
    using Area = std::function<QRect()>;

    // Reads and areas in the screen's device pixels.
    ScreenReading(DirectRead direct, MakePortal makePortal, Area desktopArea);
    ~ScreenReading() override;

    ScreenRead begin(QPoint pointer, ScreenReadChanged changed);
    // The picture is no longer needed.
    void end();
    // The gesture was given up: a request still open with the desktop is
    // closed, so that its question or picker goes, and forgotten.
    void abandon();
    // Live or frozen pixels; nothing in any other state.
    std::optional<QImage> read(const QRect& rect);
    ScreenRead::State state() const { return current.state; }
    // A request of ours is open with the desktop, whose question or picker
    // may have the keyboard meanwhile.
    bool desktopAnswering() const { return portal && portal->waiting(); }
    // Whether the pointer's place on the desktop is known (not to a native
    // Wayland client): without it a picture cannot be read where the
    // pointer is, and the desktop's own picker is asked at once.
    bool pointerKnown = true;
    // How long the desktop may take to make a request, in milliseconds.
    int screenshotTimeout = 10'000;
    // How long a request may stand before a new press asks anew.
    int standingLimit = 25'000;

private:
    void answered(const ScreenshotPortal::Answer& answer);
    void change(ScreenRead next);
    static bool onWlroots();

    DirectRead direct;
    MakePortal makePortal;
    Area desktopArea;
    std::unique_ptr<ScreenshotPortal> portal;
    ScreenReadChanged changed;
    ScreenRead current;
    QImage frame;
    QRect frameArea;
};
