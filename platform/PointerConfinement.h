#pragma once

#include <QRect>

#include <cstdint>

// A real confinement of the X pointer to a rectangle of the screen: an
// input-only window under everything, and an active pointer grab confined to
// it that leaves events to the program's own windows. Where there is no X
// connection (Wayland, offscreen) or the server refuses the grab, nothing is
// confined.
class PointerConfinement {
public:
    PointerConfinement() = default;
    PointerConfinement(const PointerConfinement&) = delete;
    PointerConfinement& operator=(const PointerConfinement&) = delete;
    ~PointerConfinement();

    // The rectangle in the program's coordinates; false when not confined.
    bool confine(const QRect& area);
    void release();

private:
    std::uint32_t window = 0;
    bool grabbed = false;
};
