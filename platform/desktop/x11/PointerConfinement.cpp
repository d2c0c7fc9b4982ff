#include "platform/desktop/x11/PointerConfinement.h"

#include "platform/desktop/Pointer.h"
#include "platform/screen/Backend.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <type_traits>

#include <dlfcn.h>
#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace {

// XInput's library is wanted only when a drag confines the pointer: it is
// loaded then, not at every start.
struct XInput {
    decltype(&xcb_input_xi_get_client_pointer) getClientPointer = nullptr;
    decltype(&xcb_input_xi_get_client_pointer_reply) getClientPointerReply = nullptr;
    decltype(&xcb_input_xi_ungrab_device) ungrabDevice = nullptr;
};

const XInput* xinput() {
    static const XInput loaded = [] {
        XInput x;
        void* library = dlopen("libxcb-xinput.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) return x;
        const auto find = [library](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
        };
        find(x.getClientPointer, "xcb_input_xi_get_client_pointer");
        find(x.getClientPointerReply, "xcb_input_xi_get_client_pointer_reply");
        find(x.ungrabDevice, "xcb_input_xi_ungrab_device");
        return x;
    }();
    return loaded.getClientPointer && loaded.getClientPointerReply && loaded.ungrabDevice ? &loaded
                                                                                          : nullptr;
}

xcb_connection_t* connection() {
    return xConnection();
}

// Qt keeps each screen's origin and scales what lies beyond it.
QRect toNative(const QRect& area) {
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return area;
    const double ratio = screen->devicePixelRatio();
    const QPoint origin = screen->geometry().topLeft();
    const auto native = [&](int v, int o) { return int(std::floor((v - o) * ratio)) + o; };
    const int left = native(area.left(), origin.x());
    const int top = native(area.top(), origin.y());
    const int right = native(area.left() + area.width(), origin.x());
    const int bottom = native(area.top() + area.height(), origin.y());
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

} // namespace

PointerConfinement::~PointerConfinement() {
    release();
    if (filtering && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (xcb_connection_t* c = connection(); c && window) {
        xcb_destroy_window(c, window);
        xcb_flush(c);
    }
}

bool PointerConfinement::confine(const QRect& area) {
    xcb_connection_t* c = connection();
    if (!c || area.isEmpty()) return false;
    const QRect native = toNative(area);
    if (!window) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        window = xcb_generate_id(c);
        const std::uint32_t overrideRedirect = 1;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                          XCB_CW_OVERRIDE_REDIRECT, &overrideRedirect);
    }
    // Under everything: the pointer's events still go to the windows above.
    const std::uint32_t geometry[] = {std::uint32_t(native.x()), std::uint32_t(native.y()),
                                      std::uint32_t(native.width()), std::uint32_t(native.height()),
                                      XCB_STACK_MODE_BELOW};
    xcb_configure_window(c, window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT | XCB_CONFIG_WINDOW_STACK_MODE,
                         geometry);
    xcb_map_window(c, window);
    // The button press that began the drag grabbed the pointer for Qt by
    // XInput 2, and the server refuses a grab of another kind over it: let
    // that one go, the confining grab takes its place.
    if (const XInput* xi = xinput()) {
        auto* client = xi->getClientPointerReply(c, xi->getClientPointer(c, XCB_NONE), nullptr);
        if (client) {
            xi->ungrabDevice(c, XCB_CURRENT_TIME, client->deviceid);
            free(client);
        }
    }
    const auto cookie = xcb_grab_pointer(
        c, 1, window,
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION,
        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, window, XCB_NONE, XCB_CURRENT_TIME);
    xcb_grab_pointer_reply_t* reply = xcb_grab_pointer_reply(c, cookie, nullptr);
    grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    free(reply);
    if (grabbed && !filtering) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        filtering = true;
    }
    if (!grabbed) xcb_unmap_window(c, window);
    xcb_flush(c);
    return grabbed;
}

bool PointerConfinement::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
    if (!grabbed || type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_BUTTON_RELEASE) return false;
    const auto* up = reinterpret_cast<const xcb_button_release_event_t*>(event);
    if (up->event != window) return false;
    // The state is before this release: free once no other button is held.
    const std::uint16_t held =
        up->state & (XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3 | XCB_BUTTON_MASK_4 |
                     XCB_BUTTON_MASK_5);
    const std::uint16_t thisButton = std::uint16_t(XCB_BUTTON_MASK_1 << (up->detail - 1));
    if ((held & ~thisButton) == 0) {
        FreePointer();
    }
    return false;
}

void PointerConfinement::release() {
    xcb_connection_t* c = connection();
    if (!c || !window) return;
    if (grabbed) xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    grabbed = false;
    xcb_unmap_window(c, window);
    xcb_flush(c);
}
