#include "platform/desktop/Pointer.h"

#include "platform/desktop/Desktop.h"

#include <QWidget>

namespace {
bool& confined() {
    static bool pointerConfined = false;
    return pointerConfined;
}
} // namespace

bool ConfinePointer(const QRect& area) {
    confined() = desktop().clipCursor(area);
    return confined();
}

void FreePointer() {
    desktop().clipCursor(std::nullopt);
    confined() = false;
}

bool PointerConfined() {
    return confined();
}

void ReleaseMouseGrab() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}
