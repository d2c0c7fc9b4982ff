#include "platform/screen/portal/ScreenshotPortal.h"

#include "platform/screen/portal/PngFrame.h"

#include <QGuiApplication>
#include <QScreen>

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUrl>

#include <cmath>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The request object the portal makes for a token: its path is known before
// the call, so the answer cannot slip past between call and subscription.
QString requestPathFor(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService();
    if (sender.startsWith(u':')) sender.remove(0, 1);
    sender.replace(u'.', u'_');
    return PortalPath + QStringLiteral("/request/") + sender + u'/' + token;
}

// A file the service wrote for this request: a plain file (not a link that
// could point anywhere) changed no earlier than the request, give or take a
// coarse file system clock.
bool writtenSince(const QFileInfo& file, const QDateTime& asked) {
    if (!file.exists() || file.isSymLink() || !file.isFile()) return false;
    return file.lastModified() >= asked.addSecs(-2);
}

ScreenshotPortal::Outcome outcomeOfError(const QDBusError& error) {
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::Disconnected:
    case QDBusError::NoServer: return ScreenshotPortal::Outcome::NoService;
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut: return ScreenshotPortal::Outcome::TimedOut;
    default: return ScreenshotPortal::Outcome::Refused;
    }
}

} // namespace

ScreenshotPortal::ScreenshotPortal(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus(std::move(bus)) {
    // A request is answered by the service that made it or by no one: one
    // that goes away (a crash, a restart) leaves nothing to wait for.
    serviceWatcher.setConnection(this->bus);
    serviceWatcher.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    serviceWatcher.addWatchedService(PortalService);
    connect(&serviceWatcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        if (!requestPath.isEmpty())
            finish({Outcome::NoService, {}, {}, QStringLiteral("the service went away")});
    });
    qRegisterMetaType<ScreenshotPortal::Answer>();
    timer.setSingleShot(true);
    timer.setInterval(10'000);
    // Longer than a picture takes where nobody is asked (0.1-0.2 s on
    // sway; GNOME Shell drawing in software, up to 1.3 s).
    askingTimer.setSingleShot(true);
    askingTimer.setInterval(2000);
    connect(&askingTimer, &QTimer::timeout, this, [this] {
        if (requestPath.isEmpty()) return;
        askingSaid = true;
        emit asking();
    });
    connect(&timer, &QTimer::timeout, this, [this] {
        // Told the service we have stopped waiting; a late picture is still
        // cleaned up when it comes (we stay subscribed until the next request).
        if (requestPath.isEmpty()) return;
        this->bus.asyncCall(QDBusMessage::createMethodCall(
            PortalService, requestPath, RequestInterface, QStringLiteral("Close")));
        finish({Outcome::TimedOut, {}, {}, QStringLiteral("no request made in time")});
    });
}

void ScreenshotPortal::abandon() {
    if (requestPath.isEmpty()) return;
    if (requestPath != QLatin1String("-"))
        bus.asyncCall(QDBusMessage::createMethodCall(PortalService, requestPath, RequestInterface,
                                                     QStringLiteral("Close")));
    timer.stop();
    askingTimer.stop();
    // Still subscribed, so that a picture taken meanwhile is removed.
    requestPath.clear();
}

void ScreenshotPortal::requestScreenshot() {
    start(Kind::Screenshot);
}

void ScreenshotPortal::requestPickColor() {
    start(Kind::PickColor);
}

void ScreenshotPortal::start(Kind next) {
    unsubscribe();
    askingTimer.stop();
    askingSaid = false;
    standing.start();
    kind = next;
    askedAt = QDateTime::currentDateTime();
    const QString token = QStringLiteral("huevella%1_%2")
                              .arg(++serial)
                              .arg(QRandomGenerator::global()->generate() & 0xFFFFFF);
    if (!bus.isConnected()) {
        requestPath = QStringLiteral("-");
        QMetaObject::invokeMethod(
            this,
            [this] {
                finish({Outcome::NoService, {}, {}, QStringLiteral("no session bus")});
            },
            Qt::QueuedConnection);
        return;
    }
    requestPath = requestPathFor(bus, token);
    subscribe(requestPath);

    QVariantMap options{{QStringLiteral("handle_token"), token}};
    QString method = QStringLiteral("PickColor");
    QString interface = QStringLiteral("org.freedesktop.portal.Screenshot");
    if (kind == Kind::Screenshot) {
        method = QStringLiteral("Screenshot");
        options.insert(QStringLiteral("interactive"), false);
        options.insert(QStringLiteral("modal"), false);
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(PortalService, PortalPath, interface, method);
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 25'000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, token](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                callReturned(token, done->reply());
            });
    timer.start();
}

void ScreenshotPortal::callReturned(const QString& token, const QDBusMessage& reply) {
    // A reply to a request we have since given up or replaced.
    if (requestPath != requestPathFor(bus, token)) return;
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const QDBusError error(reply);
        finish(
            {outcomeOfError(error), {}, {}, error.name() + QStringLiteral(": ") + error.message()});
        return;
    }
    const QList<QVariant> arguments = reply.arguments();
    if (arguments.size() != 1 ||
        arguments[0].metaType() != QMetaType::fromType<QDBusObjectPath>()) {
        finish({Outcome::BadAnswer, {}, {}, QStringLiteral("the call returned no request handle")});
        return;
    }
    // Older services choose the path themselves: listen there instead.
    const QString handle = arguments[0].value<QDBusObjectPath>().path();
    if (handle != requestPath) {
        unsubscribe();
        requestPath = handle;
        subscribe(handle);
    }
    // The request stands: no time-out from here on.
    timer.stop();
    askingTimer.start();
}

void ScreenshotPortal::subscribe(const QString& path) {
    bus.connect(PortalService, path, RequestInterface, QStringLiteral("Response"), this,
                SLOT(response(uint, QVariantMap)));
    subscribedTo = path;
}

void ScreenshotPortal::unsubscribe() {
    if (!subscribedTo.isEmpty())
        bus.disconnect(PortalService, subscribedTo, RequestInterface, QStringLiteral("Response"),
                       this, SLOT(response(uint, QVariantMap)));
    subscribedTo.clear();
}

void ScreenshotPortal::response(uint code, const QVariantMap& results) {
    if (requestPath.isEmpty()) {
        // Too late to be used, but what it wrote is still ours to remove.
        if (kind == Kind::Screenshot && code == 0) pictureFrom(results, askedAt);
        unsubscribe();
        return;
    }
    // A "cancelled" before anyone could have been asked is the desktop's
    // own refusal (xdg-desktop-portal-kde 5.27 answers so at once where
    // ~/Pictures is missing), not the person's: its picker may still work.
    if (code == 1 && kind == Kind::Screenshot && !askingSaid)
        return finish({Outcome::Refused, {}, {}, QStringLiteral("cancelled with nobody asked")});
    if (code == 1) return finish({Outcome::Cancelled, {}, {}, QStringLiteral("cancelled")});
    // xdg-desktop-portal 1.16 answers a person's "Deny" (Escape on GNOME's
    // question) with 2: asked, that is the person's no, not the desktop's.
    if (code == 2 && kind == Kind::Screenshot && askingSaid)
        return finish({Outcome::Cancelled, {}, {}, QStringLiteral("declined when asked")});
    if (code != 0)
        return finish({Outcome::Refused, {}, {}, QStringLiteral("response %1").arg(code)});
    finish(kind == Kind::Screenshot ? pictureFrom(results, askedAt) : colourFrom(results));
}

namespace {
// What a picture of the whole desktop can measure: every screen at its
// device pixels, with room for a desktop that scales its picture its own way.
QSize screensInDevicePixels() {
    QRect all;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        all |= QRect(QPoint(qRound(g.x() * ratio), qRound(g.y() * ratio)),
                     QSize(qRound(g.width() * ratio), qRound(g.height() * ratio)));
    }
    if (all.isEmpty()) all = QRect(0, 0, 3840, 2160);
    return QSize(all.right() + 1, all.bottom() + 1) * 2;
}
} // namespace

ScreenshotPortal::Answer ScreenshotPortal::pictureFrom(const QVariantMap& results,
                                                       const QDateTime& askedAt) {
    const QVariant uri = results.value(QStringLiteral("uri"));
    if (uri.metaType() != QMetaType::fromType<QString>())
        return {Outcome::BadAnswer, {}, {}, QStringLiteral("no uri in the answer")};
    const QUrl url(uri.toString());
    if (!url.isLocalFile())
        return {Outcome::BadAnswer, {}, {}, QStringLiteral("not a local file: ") + uri.toString()};
    const QString path = url.toLocalFile();
    const QFileInfo file(path);
    if (!file.exists()) return {Outcome::BadAnswer, {}, {}, QStringLiteral("no file at ") + path};
    QString error;
    QImage picture = readScreenshotFile(path, &error, screensInDevicePixels());
    if (writtenSince(file, askedAt)) QFile::remove(path);
    if (picture.isNull()) return {Outcome::BadAnswer, {}, {}, path + QStringLiteral(": ") + error};
    return {Outcome::Picture, std::move(picture), {}, path};
}

ScreenshotPortal::Answer ScreenshotPortal::colourFrom(const QVariantMap& results) {
    const QVariant value = results.value(QStringLiteral("color"));
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return {Outcome::BadAnswer, {}, {}, QStringLiteral("no colour in the answer")};
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return {Outcome::BadAnswer,
                {},
                {},
                QStringLiteral("colour of type ") + argument.currentSignature()};
    double channel[3] = {};
    argument.beginStructure();
    argument >> channel[0] >> channel[1] >> channel[2];
    argument.endStructure();
    for (double c : channel)
        if (!(c >= 0 && c <= 1))
            return {Outcome::BadAnswer, {}, {}, QStringLiteral("colour out of range")};
    const auto byte = [](double c) { return int(std::lround(c * 255)); };
    return {Outcome::Colour, {}, QColor(byte(channel[0]), byte(channel[1]), byte(channel[2])), {}};
}

void ScreenshotPortal::finish(Answer answer) {
    timer.stop();
    askingTimer.stop();
    requestPath.clear();
    // Keep listening after a time-out only, to remove a late picture.
    if (answer.outcome != Outcome::TimedOut) unsubscribe();
    emit answered(answer);
}
