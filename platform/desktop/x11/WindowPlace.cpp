#include "platform/desktop/x11/WindowPlace.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <cstdlib>

#include <xcb/xcb.h>

std::optional<QPoint> windowPlaceOnX(const QWidget* window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
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
