#include "platform/screen/x11/ScreenGrab.h"

#include "platform/screen/Backend.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace {

struct XcbReplyFree {
    void operator()(void* p) const { std::free(p); }
};

const xcb_visualtype_t* rootVisual(const xcb_screen_t* screen) {
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals))
            if (visuals.data->visual_id == screen->root_visual) return visuals.data;
    }
    return nullptr;
}

// What the direct read needs of the X server, looked at once. Any other
// server is left to Qt.
DirectRoot lookAtServer() {
    xcb_connection_t* c = xConnection();
    if (!c || xcb_connection_has_error(c)) return {};
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (setup->roots_len != 1 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (screen->root_depth != 24) return {};
    bool wordPerPixel = false;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats))
        if (formats.data->depth == 24) wordPerPixel = formats.data->bits_per_pixel == 32;
    const xcb_visualtype_t* visual = rootVisual(screen);
    if (!wordPerPixel || !visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR ||
        visual->red_mask != 0xFF0000 || visual->green_mask != 0x00FF00 ||
        visual->blue_mask != 0x0000FF)
        return {};
    return {c, screen->root};
}

const DirectRoot& server() {
    static const DirectRoot format = xConnection() ? lookAtServer() : DirectRoot{};
    return format;
}

// The root's pixels of `rect` (on the root) into `image` at `at`, with one
// request; false when they do not come as 24-bit words. `refused` tells
// whether the server answered with an error.
bool readRootInto(const QRect& rect, QImage& image, QPoint at, bool& refused) {
    const DirectRoot& root = server();
    const auto cookie = xcb_get_image(
        root.connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root.root, std::int16_t(rect.x()),
        std::int16_t(rect.y()), std::uint16_t(rect.width()), std::uint16_t(rect.height()), ~0u);
    // An error (a rectangle the server will not give) comes back here, not
    // among the events.
    xcb_generic_error_t* error = nullptr;
    std::unique_ptr<xcb_get_image_reply_t, XcbReplyFree> reply(
        xcb_get_image_reply(root.connection, cookie, &error));
    refused = error != nullptr;
    std::free(error);
    const std::size_t words = std::size_t(rect.width()) * std::size_t(rect.height());
    if (!reply || reply->depth != 24 ||
        std::size_t(xcb_get_image_data_length(reply.get())) != words * 4)
        return false;
    const auto* in = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply.get()));
    for (int y = 0; y < rect.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(at.y() + y)) + at.x();
        for (int x = 0; x < rect.width(); ++x)
            line[x] = 0xFF000000u | *in++;
    }
    return true;
}

// Where Qt's grab would read a part of a screen, in the server's pixels:
// the offset inside the screen and the size scaled and rounded as Qt does.
// Screens other than the first keep their origin unscaled and scale what
// lies beyond it; only screens whose place in the server is known for
// certain are read directly.
std::optional<QRect> nativeRect(const QScreen* screen, const QRect& part) {
    const QRect geometry = screen->geometry();
    const qreal ratio = screen->devicePixelRatio();
    if (ratio == 1) return part;
    if (geometry.topLeft() != QPoint(0, 0)) return std::nullopt;
    return QRect(QPoint(qRound(part.x() * ratio), qRound(part.y() * ratio)),
                 QSize(qRound(part.width() * ratio), qRound(part.height() * ratio)));
}

} // namespace

DirectRoot directRoot() {
    return server();
}

QImage onePixelPerPoint(const QImage& grabbed, QSize points) {
    if (grabbed.size() == points && grabbed.devicePixelRatio() == 1)
        return grabbed.convertToFormat(QImage::Format_RGB32);
    QImage out(points, QImage::Format_RGB32);
    out.fill(Qt::black);
    const QImage source = grabbed.convertToFormat(QImage::Format_RGB32);
    const double sx = double(source.width()) / points.width();
    const double sy = double(source.height()) / points.height();
    for (int y = 0; y < points.height(); ++y) {
        const int from = std::min(int(y * sy + 1e-9), source.height() - 1);
        if (from < 0) continue;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(from));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < points.width(); ++x)
            line[x] = in[std::min(int(x * sx + 1e-9), source.width() - 1)];
    }
    return out;
}

std::optional<QImage> readScreenDirect(const QScreen* screen, const QRect& part, bool* refused) {
    const DirectRoot& root = server();
    if (!root.connection || !screen || part.isEmpty() || !screen->geometry().contains(part))
        return std::nullopt;
    const std::optional<QRect> native = nativeRect(screen, part);
    if (!native || native->isEmpty() || native->right() > 0x7FFF || native->bottom() > 0x7FFF)
        return std::nullopt;
    QImage image(native->size(), QImage::Format_RGB32);
    bool wasRefused = false;
    const bool read = readRootInto(*native, image, QPoint(), wasRefused);
    if (refused) *refused = wasRefused;
    if (!read) return std::nullopt;
    if (native->size() == part.size()) return image;
    image.setDevicePixelRatio(screen->devicePixelRatio());
    return onePixelPerPoint(image, part.size());
}

namespace {

template <typename ReadPart>
std::optional<QImage> grabEachScreen(const QRect& rect, ReadPart readPart) {
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    std::unique_ptr<QPainter> painter;
    // Every screen the rectangle touches, each in its own coordinates.
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect part = rect.intersected(screen->geometry());
        if (part.isEmpty()) continue;
        std::optional<QImage> points = readPart(screen, part);
        if (!points) return std::nullopt;
        if (part == rect) return points;
        if (!painter) painter = std::make_unique<QPainter>(&out);
        painter->drawImage(part.topLeft() - rect.topLeft(), *points);
    }
    return out;
}

std::optional<QImage> grabPartWithQt(QScreen* screen, const QRect& part) {
    const QRect geometry = screen->geometry();
    const QImage grabbed = screen
                               ->grabWindow(0, part.x() - geometry.x(), part.y() - geometry.y(),
                                            part.width(), part.height())
                               .toImage();
    if (grabbed.isNull()) return std::nullopt;
    return onePixelPerPoint(grabbed, part.size());
}

} // namespace

std::optional<QImage> grabScreenPointsWithQt(const QRect& rect) {
    return grabEachScreen(rect, grabPartWithQt);
}

std::optional<QImage> grabScreenPoints(const QRect& rect) {
    return grabEachScreen(rect, [](QScreen* screen, const QRect& part) {
        bool refused = false;
        if (auto direct = readScreenDirect(screen, part, &refused)) return direct;
        if (refused) return std::optional<QImage>();
        return grabPartWithQt(screen, part);
    });
}

namespace {

// Off the root window is black, as Qt's grab gives it; only the part on
// the root is asked for, so a rectangle over its edge is read exactly too.
std::optional<QImage> readRootNative(const QRect& native, bool& refused) {
    refused = false;
    const DirectRoot& root = server();
    if (!root.connection || native.isEmpty()) return std::nullopt;
    const QRect onRoot = native.intersected(nativeDesktopArea());
    QImage image(native.size(), QImage::Format_RGB32);
    if (onRoot != native) image.fill(Qt::black);
    if (onRoot.isEmpty()) return image;
    if (!readRootInto(onRoot, image, onRoot.topLeft() - native.topLeft(), refused))
        return std::nullopt;
    return image;
}

} // namespace

QRect nativeDesktopArea() {
    const DirectRoot& root = server();
    if (root.connection) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(root.connection)).data;
        return QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return {};
    const QRect area = primary->virtualGeometry();
    const qreal ratio = primary->devicePixelRatio();
    return QRect(area.topLeft(),
                 QSize(qRound(area.width() * ratio), qRound(area.height() * ratio)));
}

QPoint toNative(QPointF logical) {
    const QScreen* screen = QGuiApplication::screenAt(logical.toPoint());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return logical.toPoint();
    const QPoint origin = screen->geometry().topLeft();
    const qreal ratio = screen->devicePixelRatio();
    const QPointF beyond = (logical - QPointF(origin)) * ratio;
    return origin + QPoint(int(std::floor(beyond.x() + 1e-6)), int(std::floor(beyond.y() + 1e-6)));
}

std::optional<QPoint> pointerOnRoot() {
    const DirectRoot& root = server();
    if (!root.connection) return std::nullopt;
    std::unique_ptr<xcb_query_pointer_reply_t, XcbReplyFree> reply(xcb_query_pointer_reply(
        root.connection, xcb_query_pointer(root.connection, root.root), nullptr));
    if (!reply) return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

bool warpPointerOnRoot(QPoint native) {
    const DirectRoot& root = server();
    if (!root.connection) return false;
    xcb_warp_pointer(root.connection, XCB_NONE, root.root, 0, 0, 0, 0, std::int16_t(native.x()),
                     std::int16_t(native.y()));
    xcb_flush(root.connection);
    return true;
}

std::optional<QImage> grabScreenDevicePixels(const QRect& native) {
    bool refused = false;
    if (auto direct = readRootNative(native, refused)) return direct;
    if (refused) return std::nullopt;
    // Where the root cannot be read directly (another pixel format, a
    // rectangle over the edge), Qt's grab of the points that cover it, one
    // pixel a point: exact on unscaled screens, the nearest elsewhere.
    const QScreen* primary = QGuiApplication::primaryScreen();
    const qreal ratio = primary ? primary->devicePixelRatio() : 1;
    const QRect points(
        QPoint(int(std::floor(native.x() / ratio)), int(std::floor(native.y() / ratio))),
        QPoint(int(std::floor((native.right()) / ratio)),
               int(std::floor((native.bottom()) / ratio))));
    const std::optional<QImage> grabbed = grabScreenPoints(points);
    if (!grabbed) return std::nullopt;
    if (ratio == 1) return grabbed;
    QImage out(native.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const int px = int(std::floor((native.x() + x) / ratio)) - points.x();
            const int py = int(std::floor((native.y() + y) / ratio)) - points.y();
            out.setPixel(x, y,
                         grabbed->pixel(std::clamp(px, 0, grabbed->width() - 1),
                                        std::clamp(py, 0, grabbed->height() - 1)));
        }
    return out;
}
