// A stand-in for the desktop's screenshot service (xdg-desktop-portal's
// org.freedesktop.portal.Screenshot), on whatever session bus it is started
// in. Each call is printed on a line of its own ("Screenshot <handle>
// <token> interactive=<b>"), so a test can hold the request against what
// the client expected. How it answers is chosen on the command line:
//
//   portal_standin --picture FIXTURE.png --dir DIR [--screenshot MODE]
//                  [--pick MODE] [--colour R,G,B] [--delay MS]
//
// Screenshot modes: ok (a fresh copy of the fixture in DIR), early (the
// answer before the call's reply), other-handle (a handle of its own
// choosing, as older services have), cancel, fail, refuse-call (a D-Bus
// error), silent (a request that is never answered), no-request (a call
// that never returns), slow-request (the call returns after --delay and the
// answer follows at once), no-uri, uri-not-string, no-file, not-a-picture, old-file
// (a file that was there before the request). Pick modes: ok, cancel, fail,
// silent, bad-type. --delay holds every answer back.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <cstdio>

class Portal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    QString picture, dir, screenshotMode = "ok", pickMode = "ok";
    double colour[3] = {0.2, 0.4, 0.8};
    int delay = 0;

public slots:
    QDBusObjectPath Screenshot(const QString& parent, const QVariantMap& options) {
        Q_UNUSED(parent);
        const QString handle = handleFor(options);
        log("Screenshot", handle, options);
        const QString mode = screenshotMode;
        if (mode == "refuse-call") {
            sendErrorReply("org.freedesktop.portal.Error.NotAllowed",
                           "screenshots are not allowed");
            return {};
        }
        if (mode == "silent") return QDBusObjectPath(handle);
        if (mode == "no-request" || mode == "slow-request") {
            setDelayedReply(true);
            held = message();
            if (mode == "no-request") return {};
        }
        QVariantMap results;
        uint code = 0;
        if (mode == "cancel")
            code = 1;
        else if (mode == "fail")
            code = 2;
        else if (mode == "no-uri")
            results["other"] = QString("x");
        else if (mode == "uri-not-string")
            results["uri"] = 7;
        else if (mode == "no-file")
            results["uri"] = QUrl::fromLocalFile(dir + "/missing.png").toString();
        else if (mode == "not-a-picture")
            results["uri"] = writeFile("garbage", "not a picture");
        else if (mode == "old-file")
            results["uri"] = QUrl::fromLocalFile(dir + "/old.png").toString();
        else
            results["uri"] = writeFile("picture", {});
        if (mode == "other-handle") {
            const QString own =
                "/org/freedesktop/portal/desktop/request/standin/" + QString::number(++serial);
            answer(own, code, results, 50);
            return QDBusObjectPath(own);
        }
        if (mode == "slow-request") {
            QTimer::singleShot(delay, this, [=, this] {
                QDBusConnection::sessionBus().send(
                    held.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
                respond(handle, code, results);
            });
            return {};
        }
        if (mode == "early") {
            respond(handle, code, results);
            return QDBusObjectPath(handle);
        }
        answer(handle, code, results, delay);
        return QDBusObjectPath(handle);
    }

    QDBusObjectPath PickColor(const QString& parent, const QVariantMap& options) {
        Q_UNUSED(parent);
        const QString handle = handleFor(options);
        log("PickColor", handle, options);
        if (pickMode == "silent") return QDBusObjectPath(handle);
        QVariantMap results;
        uint code = pickMode == "cancel" ? 1 : pickMode == "fail" ? 2 : 0;
        if (pickMode == "bad-type") {
            results["color"] = QString("#3366cc");
        } else if (code == 0) {
            QDBusArgument rgb;
            rgb.beginStructure();
            rgb << colour[0] << colour[1] << colour[2];
            rgb.endStructure();
            results["color"] = QVariant::fromValue(rgb);
        }
        answer(handle, code, results, delay);
        return QDBusObjectPath(handle);
    }

private:
    QString handleFor(const QVariantMap& options) {
        QString sender = message().service().mid(1);
        sender.replace('.', '_');
        return "/org/freedesktop/portal/desktop/request/" + sender + "/" +
               options.value("handle_token").toString();
    }

    void log(const char* method, const QString& handle, const QVariantMap& options) {
        std::printf("%s %s %s interactive=%s\n", method, qPrintable(handle),
                    qPrintable(options.value("handle_token").toString()),
                    options.contains("interactive")
                        ? (options.value("interactive").toBool() ? "true" : "false")
                        : "unset");
        std::fflush(stdout);
    }

    QString writeFile(const char* kind, const QByteArray& content) {
        const QString path = dir + QString("/Screenshot-%1.png").arg(++serial);
        if (content.isEmpty())
            QFile::copy(picture, path);
        else {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly)) file.write(content);
        }
        std::printf("wrote %s %s\n", kind, qPrintable(path));
        std::fflush(stdout);
        return QUrl::fromLocalFile(path).toString();
    }

    void answer(const QString& handle, uint code, const QVariantMap& results, int after) {
        QTimer::singleShot(after, this, [=, this] { respond(handle, code, results); });
    }

    void respond(const QString& handle, uint code, const QVariantMap& results) {
        QDBusMessage signal =
            QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
        signal << code << results;
        QDBusConnection::sessionBus().send(signal);
    }

    int serial = 0;
    QDBusMessage held; // a call answered late or never
};

// Every request object the portal would make: a Close on one is printed
// ("Close <handle>").
class Requests : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() != "Close") return false;
        std::printf("Close %s\n", qPrintable(message.path()));
        std::fflush(stdout);
        bus.send(message.createReply());
        return true;
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Portal portal;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& name = args[i];
        const QString& value = args[i + 1];
        if (name == "--picture")
            portal.picture = value;
        else if (name == "--dir")
            portal.dir = value;
        else if (name == "--screenshot")
            portal.screenshotMode = value;
        else if (name == "--pick")
            portal.pickMode = value;
        else if (name == "--delay")
            portal.delay = value.toInt();
        else if (name == "--colour") {
            const QStringList parts = value.split(',');
            for (int c = 0; c < 3 && c < parts.size(); ++c)
                portal.colour[c] = parts[c].toDouble();
        } else {
            std::fprintf(stderr, "portal_standin: unknown option %s\n", qPrintable(name));
            return 2;
        }
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    Requests requests;
    if (!bus.registerObject("/org/freedesktop/portal/desktop", &portal,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerVirtualObject("/org/freedesktop/portal/desktop/request", &requests,
                                   QDBusConnection::SubPath) ||
        !bus.registerService("org.freedesktop.portal.Desktop")) {
        std::fprintf(stderr, "portal_standin: cannot register on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "portal_standin.moc"
