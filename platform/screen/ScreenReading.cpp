#include "platform/screen/ScreenReading.h"

#include <cstdio>
#include <vector>

QImage pointsOfPicture(const QImage& picture, const QRect& area, const QRect& rect) {
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    if (picture.isNull() || area.isEmpty()) return out;
    const double sx = double(picture.width()) / area.width();
    const double sy = double(picture.height()) / area.height();
    // A point's pixel, or -1 off the picture. The small nudge keeps a point
    // whose corner falls exactly on a pixel edge (1.5 × 2 = 3) on that pixel.
    const auto at = [](int offset, double scale, int size) {
        if (offset < 0) return -1;
        const int p = int(offset * scale + 1e-9);
        return p < size ? p : -1;
    };
    const QImage source = picture.format() == QImage::Format_RGB32
                              ? picture
                              : picture.convertToFormat(QImage::Format_RGB32);
    std::vector<int> column(std::size_t(rect.width()));
    for (int x = 0; x < rect.width(); ++x)
        column[std::size_t(x)] = at(rect.x() + x - area.x(), sx, source.width());
    for (int y = 0; y < rect.height(); ++y) {
        const int row = at(rect.y() + y - area.y(), sy, source.height());
        if (row < 0) continue;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < rect.width(); ++x)
            if (column[std::size_t(x)] >= 0) line[x] = in[column[std::size_t(x)]];
    }
    return out;
}

ScreenReading::ScreenReading(DirectRead direct, MakePortal makePortal, Area desktopArea)
    : direct(std::move(direct)), makePortal(std::move(makePortal)),
      desktopArea(std::move(desktopArea)) {}

ScreenReading::~ScreenReading() = default;

ScreenRead ScreenReading::begin(QPoint pointer, ScreenReadChanged onChange) {
    changed = std::move(onChange);
    frame = QImage();
    // The desktop is still answering the last press: its answer serves,
    // unless it has stood so long that no answer will come.
    if (desktopAnswering() && !portal->stale()) return current;
    if (desktopAnswering()) portal->abandon();
    if (pointerKnown && direct(QRect(pointer, QSize(1, 1)))) {
        current = {ScreenRead::State::Live, {}};
        return current;
    }
    // The service is looked for only on a desktop that needs it.
    if (!portal) {
        portal = makePortal ? makePortal() : nullptr;
        if (portal) {
            connect(portal.get(), &ScreenshotPortal::answered, this,
                    [this](const ScreenshotPortal::Answer& answer) { answered(answer); });
            connect(portal.get(), &ScreenshotPortal::asking, this, [this] {
                if (current.state == ScreenRead::State::Waiting)
                    change({ScreenRead::State::Asking, {}});
            });
        }
    }
    if (!portal) {
        current = {ScreenRead::State::Unreadable, {}};
        return current;
    }
    portal->setTimeout(screenshotTimeout);
    portal->setStandingLimit(standingLimit);
    if (!pointerKnown) {
        portal->requestPickColor();
        current = {ScreenRead::State::Picking, {}};
        return current;
    }
    portal->requestScreenshot();
    current = {ScreenRead::State::Waiting, {}};
    return current;
}

void ScreenReading::end() {
    frame = QImage();
}

void ScreenReading::abandon() {
    end();
    if (desktopAnswering()) portal->abandon();
}

std::optional<QImage> ScreenReading::read(const QRect& rect) {
    switch (current.state) {
    case ScreenRead::State::Live: return direct(rect);
    case ScreenRead::State::Frozen:
        if (!frame.isNull()) return pointsOfPicture(frame, frameArea, rect);
        return std::nullopt;
    default: return std::nullopt;
    }
}

void ScreenReading::answered(const ScreenshotPortal::Answer& answer) {
    using Outcome = ScreenshotPortal::Outcome;
    using State = ScreenRead::State;
    if (!answer.detail.isEmpty() && answer.outcome != Outcome::Picture)
        std::fprintf(stderr, "huevella: screenshot service: %s\n", qPrintable(answer.detail));
    const bool picking = current.state == State::Picking;
    switch (answer.outcome) {
    case Outcome::Picture:
        frame = answer.picture;
        frameArea = desktopArea();
        return change({State::Frozen, {}});
    case Outcome::Colour: return change({State::Picked, answer.colour});
    case Outcome::Cancelled: return change({State::Cancelled, {}, false, picking});
    case Outcome::TimedOut: return change({State::NoAnswer, {}});
    case Outcome::NoService: return change({State::Unreadable, {}});
    case Outcome::Refused:
    case Outcome::BadAnswer:
        if (picking) return change({State::Failed, {}, onWlroots()});
        // No picture to be had: the desktop's own picker still gives a colour.
        portal->setTimeout(screenshotTimeout);
        portal->requestPickColor();
        return change({State::Picking, {}});
    }
}

// Their screenshot service (xdg-desktop-portal-wlr) fails at once without
// grim, and its picker without slurp, which the desktop may not have.
bool ScreenReading::onWlroots() {
    if (!qEnvironmentVariableIsEmpty("SWAYSOCK")) return true;
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower();
    for (const char* name : {"sway", "wlroots", "hyprland", "river", "wayfire", "labwc"})
        if (desktops.contains(QLatin1String(name))) return true;
    return false;
}

void ScreenReading::change(ScreenRead next) {
    current = next;
    if (changed) changed(current);
}
