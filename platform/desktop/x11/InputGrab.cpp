#include "platform/desktop/x11/InputGrab.h"

#include "platform/screen/Backend.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

#include <xcb/xcb.h>

namespace {

xcb_connection_t* connection() {
    return xConnection();
}

// Qt hears the wheel from the X input extension, which says nothing to a
// window holding the core grab: the wheel's core buttons (4 up, 5 down)
// are turned into the wheel events they are, for the window holding it.
class GrabbedWheel : public QAbstractNativeEventFilter {
public:
    QPointer<QWidget> window;
    xcb_window_t id = 0;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (!window || type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_BUTTON_PRESS) return false;
        const auto* press = static_cast<const xcb_button_press_event_t*>(message);
        if (press->event != id || (press->detail != 4 && press->detail != 5)) return false;
        const QPointF at(press->event_x, press->event_y);
        QWheelEvent wheel(at, QPointF(press->root_x, press->root_y), {},
                          QPoint(0, press->detail == 4 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window, &wheel);
        return true;
    }
};

GrabbedWheel& grabbedWheel() {
    static GrabbedWheel* filter = [] {
        auto* made = new GrabbedWheel;
        QCoreApplication::instance()->installNativeEventFilter(made);
        return made;
    }();
    return *filter;
}

} // namespace

bool grabInputOnX(QWidget* window) {
    xcb_connection_t* c = connection();
    if (!c || !window || !window->windowHandle()) return false;
    // The window's own id, not the widget's: Qt makes the X window anew
    // when a window's stay-on-top flag changes, and the widget keeps the
    // old, destroyed one.
    const auto id = xcb_window_t(window->windowHandle()->winId());
    constexpr uint16_t events =
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION;
    xcb_grab_pointer_reply_t* pointer = xcb_grab_pointer_reply(
        c,
        xcb_grab_pointer(c, 0, id, events, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE,
                         XCB_NONE, XCB_CURRENT_TIME),
        nullptr);
    const bool pointerTaken = pointer && pointer->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(pointer);
    if (!pointerTaken) return false;
    xcb_grab_keyboard_reply_t* keyboard = xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 0, id, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool keyboardTaken = keyboard && keyboard->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(keyboard);
    if (!keyboardTaken) {
        xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
        xcb_flush(c);
        return false;
    }
    grabbedWheel().window = window;
    grabbedWheel().id = id;
    return true;
}

void releaseInputOnX() {
    xcb_connection_t* c = connection();
    if (!c) return;
    grabbedWheel().window = nullptr;
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    xcb_flush(c);
}
