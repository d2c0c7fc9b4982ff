#pragma once

#include <QAbstractNativeEventFilter>
#include <QRect>

#include <cstdint>

// A real confinement of the X pointer to a rectangle of the screen: an
// input-only window under everything, and an active pointer grab confined to
// it that leaves events to the program's own windows. Where there is no X
// connection (Wayland, offscreen) or the server refuses the grab, nothing is
// confined.
class PointerConfinement : public QAbstractNativeEventFilter {
public:
    PointerConfinement() = default;
    PointerConfinement(const PointerConfinement&) = delete;
    PointerConfinement& operator=(const PointerConfinement&) = delete;
    ~PointerConfinement();

    // The rectangle in the program's coordinates; false when not confined.
    bool confine(const QRect& area);
    void release();

    // A release that comes to the confining window itself (the strip was
    // covered by another program's window) ends the confinement: Qt knows
    // nothing of that window and would drop the event.
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    bool filtering = false;
    std::uint32_t window = 0;
    bool grabbed = false;
};
