#include "platform/screen/x11/ServerMagnifier.h"

#include "platform/screen/x11/RenderFormats.h"
#include "platform/screen/x11/ScreenGrab.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QWindow>

#include <xcb/render.h>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

using namespace xrender;

struct ServerMagnifierParts {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    xcb_gcontext_t gc = 0;
    // What the pictures below were made for.
    QSize sourceSize, viewSize;
    int zoom = 0;
    QVariant overlayLook;
    qreal ratio = 0;
    QPoint place;
    // The window they draw into, and the form's, whose making anew takes
    // ours down with it.
    xcb_window_t window = 0;
    WId formWindow = 0;
    bool overlayShown = false;
    // The source pixels, the view at one pixel a point, the view as the
    // screen shows it with the overlay over it, and the overlay.
    xcb_pixmap_t source = 0, points = 0, frame = 0, overlay = 0;
    xcb_render_picture_t sourcePic = 0, pointsPic = 0, framePic = 0, overlayPic = 0, windowPic = 0;
    QSize frameSize;
    bool scaled = false;
    bool watching = false;
};

ServerMagnifier* ServerMagnifier::of(QWidget* view) {
    return view->findChild<ServerMagnifier*>(QString(), Qt::FindDirectChildrenOnly);
}

ServerMagnifier* ServerMagnifier::over(QWidget* view, QWidget* overlay) {
    if (ServerMagnifier* made = of(view)) return made;
    const DirectRoot root = directRoot();
    if (!root.connection || !formats(root.connection).usable) return nullptr;
    auto* made = new ServerMagnifier(view, overlay);
    made->parts->c = root.connection;
    made->parts->root = root.root;
    return made;
}

ServerMagnifier::ServerMagnifier(QWidget* view, QWidget* overlay)
    : QWidget(view), overlay(overlay), parts(new ServerMagnifierParts) {
    // A window of its own, which Qt's painting of the form leaves alone,
    // inside the form's window (not making the form's controls native).
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAttribute(Qt::WA_NativeWindow);
    // Qt neither paints nor clears it: the server's drawing is all it shows.
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(view->rect());
    hide();
}

ServerMagnifier::~ServerMagnifier() {
    release();
    delete parts;
}

void ServerMagnifier::release() {
    ServerMagnifierParts& p = *parts;
    if (!p.c) return;
    for (xcb_render_picture_t* pic :
         {&p.sourcePic, &p.pointsPic, &p.framePic, &p.overlayPic, &p.windowPic})
        if (*pic) xcb_render_free_picture(p.c, std::exchange(*pic, 0));
    for (xcb_pixmap_t* pixmap : {&p.source, &p.points, &p.frame, &p.overlay})
        if (*pixmap) xcb_free_pixmap(p.c, std::exchange(*pixmap, 0));
    if (p.gc) xcb_free_gc(p.c, std::exchange(p.gc, 0));
    p.viewSize = {};
}

// Made again whenever the view, its scale or its place changes; the
// window's own size and place are asked of the server then, since its
// device pixels are what the pictures must match.
bool ServerMagnifier::ready(const Magnification& m) {
    const QSize sourceSize = m.source(QPoint()).size();
    ServerMagnifierParts& p = *parts;
    QWidget* view = parentWidget();
    if (geometry() != view->rect()) setGeometry(view->rect());
    const QPoint place = view->mapTo(window(), QPoint());
    const qreal ratio = devicePixelRatioF();
    // Qt's X windows are made anew within the same window when a flag such
    // as staying on top changes (a pick from anywhere), and the server
    // destroys ours with the old one while Qt still counts it made and
    // shown: ours is then made and shown again, inside the new one.
    QWindow* handle = windowHandle();
    QWindow* form = this->window()->windowHandle();
    if (!handle || !form) return false;
    if (p.formWindow && p.formWindow != form->winId()) {
        release();
        handle->destroy();
    }
    p.formWindow = form->winId();
    const auto window = xcb_window_t(handle->winId());
    if (!handle->isVisible()) handle->setVisible(true);
    if (p.viewSize == view->size() && p.sourceSize == sourceSize && p.zoom == m.zoom &&
        p.ratio == ratio && p.place == place && p.window == window && p.windowPic) {
        // A message shown in its place hides the overlay for a while; a
        // new look (another sample's outline) is drawn anew.
        if (overlayShown() != p.overlayShown || overlay->property("look") != p.overlayLook)
            drawOverlay();
        return true;
    }
    release();
    xcb_connection_t* c = p.c;
    // Exposed again (uncovered, shown anew), the last view is put back.
    if (!p.watching) {
        handle->installEventFilter(this);
        p.watching = true;
    }
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    if (!geometry || !attributes) return false;
    const Formats& f = formats(c);
    const xcb_render_pictformat_t windowFormat = formatOfVisual(f, attributes->visual);
    if (!windowFormat || sourceSize.isEmpty() || view->size().isEmpty()) return false;

    p.gc = xcb_generate_id(c);
    // The root's children are what the screen shows; no exposure events
    // come back for copies of hidden parts.
    const std::uint32_t gcValues[] = {XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS, 0};
    xcb_create_gc(c, p.gc, p.root, XCB_GC_SUBWINDOW_MODE | XCB_GC_GRAPHICS_EXPOSURES, gcValues);
    const auto pixmapPicture = [&](xcb_pixmap_t& pixmap, xcb_render_picture_t& pic, QSize size,
                                   std::uint8_t depth, xcb_render_pictformat_t format) {
        pixmap = xcb_generate_id(c);
        xcb_create_pixmap(c, depth, pixmap, p.root, std::uint16_t(size.width()),
                          std::uint16_t(size.height()));
        pic = xcb_generate_id(c);
        xcb_render_create_picture(c, pic, pixmap, format, 0, nullptr);
    };
    const QSize frameSize(geometry->width, geometry->height);
    pixmapPicture(p.source, p.sourcePic, sourceSize, 24, f.rgb);
    pixmapPicture(p.frame, p.framePic, frameSize, 24, f.rgb);
    pixmapPicture(p.overlay, p.overlayPic, frameSize, 32, f.argb);
    p.windowPic = xcb_generate_id(c);
    xcb_render_create_picture(c, p.windowPic, window, windowFormat, 0, nullptr);

    // Each source pixel a block of zoom points, as the program's own
    // enlargement draws it: point x shows pixel (x + lead) / zoom. RENDER
    // samples at the centre of x, x + 1/2, which is moved back by half a
    // point less a margin well under one point's share of a pixel.
    const auto toPoints = [&m](int lead) {
        return std::pair{std::int32_t(std::lround(65536.0 / m.zoom)),
                         std::int32_t(std::lround((lead - 0.25) / m.zoom * 65536))};
    };
    const QSize points = view->size();
    const auto [sx, shiftX] = toPoints(m.lead().x());
    const auto [sy, shiftY] = toPoints(m.lead().y());
    const xcb_render_transform_t enlarge = nearest(sx, shiftX, sy, shiftY);
    static const char filter[] = "nearest";
    xcb_render_set_picture_transform(c, p.sourcePic, enlarge);
    xcb_render_set_picture_filter(c, p.sourcePic, sizeof filter - 1, filter, 0, nullptr);

    // On a scaled screen Qt's painter spreads the points over the device
    // pixels from where the control really begins (a fraction of a pixel
    // at 1.5), in steps of 65536 / ratio cut to a whole number, and paints
    // the pixels from where that beginning rounds to.
    const QPointF begins = QPointF(place) * ratio;
    const QRect painted(QPoint(qRound(begins.x()), qRound(begins.y())),
                        QPoint(qRound((place.x() + points.width()) * ratio) - 1,
                               qRound((place.y() + points.height()) * ratio) - 1));
    const QPoint origin(geometry->x, geometry->y);
    p.scaled = ratio != 1;
    if (p.scaled) {
        pixmapPicture(p.points, p.pointsPic, points, 24, f.rgb);
        const auto step = std::int32_t(65536 / ratio);
        const QPointF off = QPointF(origin) - begins;
        xcb_render_set_picture_transform(c, p.pointsPic,
                                         nearest(step, std::int32_t(std::lround(step * off.x())),
                                                 step, std::int32_t(std::lround(step * off.y()))));
        xcb_render_set_picture_filter(c, p.pointsPic, sizeof filter - 1, filter, 0, nullptr);
    }
    // Device pixels of the window Qt would not have painted (a rounding
    // at a fractional scale) are cut away: the form's own show through.
    const QRect inWindow = painted.translated(-origin).intersected(QRect(QPoint(), frameSize));
    const xcb_rectangle_t shape{std::int16_t(inWindow.x()), std::int16_t(inWindow.y()),
                                std::uint16_t(inWindow.width()), std::uint16_t(inWindow.height())};
    if (inWindow.size() != frameSize)
        xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED,
                             window, 0, 0, 1, &shape);
    p.frameSize = frameSize;
    p.viewSize = points;
    p.sourceSize = sourceSize;
    p.zoom = m.zoom;
    p.ratio = ratio;
    p.place = place;
    p.window = window;
    drawOverlay();
    return true;
}

// The overlay as Qt paints it over the view, at the window's device pixels,
// kept on the server to be laid over every move's pixels.
void ServerMagnifier::drawOverlay() {
    ServerMagnifierParts& p = *parts;
    QImage image(p.frameSize, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(p.ratio);
    image.fill(Qt::transparent);
    p.overlayShown = overlayShown();
    p.overlayLook = overlay ? overlay->property("look") : QVariant();
    if (p.overlayShown) {
        QPainter painter(&image);
        // The window's first device pixel in the form's points.
        const QPoint window = mapTo(this->window(), QPoint());
        painter.translate(-QPointF(qRound(window.x() * p.ratio), qRound(window.y() * p.ratio)) /
                          p.ratio);
        overlay->render(&painter, overlay->mapTo(this->window(), QPoint()), QRegion(),
                        QWidget::DrawChildren);
    }
    xcb_gcontext_t gc = xcb_generate_id(p.c);
    xcb_create_gc(p.c, gc, p.overlay, 0, nullptr);
    // In bands well under the smallest request the server must take.
    const int rowsPerBand = std::max(1, 60'000 / int(image.bytesPerLine()));
    for (int y = 0; y < image.height(); y += rowsPerBand) {
        const int rows = std::min(rowsPerBand, image.height() - y);
        xcb_put_image(p.c, XCB_IMAGE_FORMAT_Z_PIXMAP, p.overlay, gc, std::uint16_t(image.width()),
                      std::uint16_t(rows), 0, std::int16_t(y), 0, 32,
                      std::uint32_t(image.bytesPerLine() * rows), image.constScanLine(y));
    }
    xcb_free_gc(p.c, gc);
}

std::optional<QImage> ServerMagnifier::showPixels(const Magnification& m, QPoint pointer,
                                                  const QRect& sample) {
    const QRect source = m.source(pointer);
    ServerMagnifierParts& p = *parts;
    // Shown first: the window's place among the device pixels is the
    // server's to say once Qt has put it there.
    if (isHidden()) show();
    if (!ready(m)) {
        hide();
        return std::nullopt;
    }
    xcb_connection_t* c = p.c;
    // The one reply: sent first, so the server answers it before it draws.
    // Off the root is black, as a read of it gives.
    const QRect desktop = nativeDesktopArea();
    const QRect sampled = sample.intersected(desktop);
    if (sampled.isEmpty()) {
        hide();
        return std::nullopt;
    }
    const auto colours = xcb_get_image(
        c, XCB_IMAGE_FORMAT_Z_PIXMAP, p.root, std::int16_t(sampled.x()), std::int16_t(sampled.y()),
        std::uint16_t(sampled.width()), std::uint16_t(sampled.height()), ~0u);
    const QRect onRoot = source.intersected(desktop);
    if (onRoot != source) {
        const xcb_rectangle_t all{0, 0, std::uint16_t(source.width()),
                                  std::uint16_t(source.height())};
        xcb_render_fill_rectangles(c, XCB_RENDER_PICT_OP_SRC, p.sourcePic, {0, 0, 0, 0xFFFF}, 1,
                                   &all);
    }
    if (!onRoot.isEmpty())
        xcb_copy_area(c, p.root, p.source, p.gc, std::int16_t(onRoot.x()), std::int16_t(onRoot.y()),
                      std::int16_t(onRoot.x() - source.x()), std::int16_t(onRoot.y() - source.y()),
                      std::uint16_t(onRoot.width()), std::uint16_t(onRoot.height()));
    const auto fw = std::uint16_t(p.frameSize.width());
    const auto fh = std::uint16_t(p.frameSize.height());
    if (p.scaled) {
        xcb_render_composite(c, XCB_RENDER_PICT_OP_SRC, p.sourcePic, 0, p.pointsPic, 0, 0, 0, 0, 0,
                             0, std::uint16_t(p.viewSize.width()),
                             std::uint16_t(p.viewSize.height()));
        xcb_render_composite(c, XCB_RENDER_PICT_OP_SRC, p.pointsPic, 0, p.framePic, 0, 0, 0, 0, 0,
                             0, fw, fh);
    } else {
        xcb_render_composite(c, XCB_RENDER_PICT_OP_SRC, p.sourcePic, 0, p.framePic, 0, 0, 0, 0, 0,
                             0, fw, fh);
    }
    xcb_render_composite(c, XCB_RENDER_PICT_OP_OVER, p.overlayPic, 0, p.framePic, 0, 0, 0, 0, 0, 0,
                         fw, fh);
    draw();
    xcb_flush(c);
    xcb_generic_error_t* error = nullptr;
    Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(c, colours, &error));
    std::free(error);
    const int words = sampled.width() * sampled.height();
    if (!reply || xcb_get_image_data_length(reply.get()) != words * 4) {
        hide();
        return std::nullopt;
    }
    QImage pixels(sample.size(), QImage::Format_RGB32);
    pixels.fill(Qt::black);
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    for (int y = 0; y < sampled.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(sampled.y() - sample.y() + y));
        for (int x = 0; x < sampled.width(); ++x) {
            std::uint32_t word;
            std::memcpy(&word, data + 4 * (y * sampled.width() + x), sizeof word);
            line[sampled.x() - sample.x() + x] = 0xFF000000u | word;
        }
    }
    return pixels;
}

void ServerMagnifier::draw() {
    const ServerMagnifierParts& p = *parts;
    if (!p.windowPic) return;
    xcb_render_composite(p.c, XCB_RENDER_PICT_OP_SRC, p.framePic, 0, p.windowPic, 0, 0, 0, 0, 0, 0,
                         std::uint16_t(p.frameSize.width()), std::uint16_t(p.frameSize.height()));
    ++drawn;
}

bool ServerMagnifier::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        draw();
        xcb_flush(parts->c);
    }
    return QWidget::eventFilter(watched, event);
}
