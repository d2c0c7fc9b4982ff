#include "platform/desktop/x11/InputGrab.h"

#include "platform/screen/Backend.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

#include <xcb/xcb.h>

namespace {

xcb_connection_t* connection() {
    return xConnection();
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
    }
    return keyboardTaken;
}

void releaseInputOnX() {
    xcb_connection_t* c = connection();
    if (!c) return;
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    xcb_flush(c);
}
