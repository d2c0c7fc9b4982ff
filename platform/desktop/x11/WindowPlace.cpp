#include "platform/desktop/x11/WindowPlace.h"

#include "platform/screen/Backend.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

std::optional<QPoint> windowPlaceOnX(const QWidget* window) {
    xcb_connection_t* c = xConnection();
    if (!c || !window->windowHandle() || !window->internalWinId()) return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, xcb_window_t(window->internalWinId()), root, 0, 0),
        nullptr);
    if (!reply) return std::nullopt;
    const qreal ratio = window->windowHandle()->devicePixelRatio();
    const QPoint place(qRound(reply->dst_x / ratio), qRound(reply->dst_y / ratio));
    std::free(reply);
    return place;
}

namespace {
xcb_atom_t atomNamed(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The property's value as bytes, of the given type; empty where not set.
QByteArray propertyOf(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                      xcb_atom_t type) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 256), nullptr);
    QByteArray value;
    if (reply && reply->type == type)
        value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    std::free(reply);
    return value;
}
} // namespace

QString windowManagerNameOnX() {
    xcb_connection_t* c = xConnection();
    if (!c) return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const QByteArray check =
        propertyOf(c, root, atomNamed(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() != sizeof(xcb_window_t)) return {};
    xcb_window_t wm = 0;
    std::memcpy(&wm, check.constData(), sizeof wm);
    return QString::fromUtf8(
        propertyOf(c, wm, atomNamed(c, "_NET_WM_NAME"), atomNamed(c, "UTF8_STRING")));
}
