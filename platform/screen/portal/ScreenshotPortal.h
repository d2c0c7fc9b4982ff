#pragma once

#include <QColor>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

// The desktop's screenshot service (org.freedesktop.portal.Screenshot), for
// desktops that do not let an X client read the screen: GNOME and KDE
// Plasma on Wayland, where our X connection goes to a rootless Xwayland.
// One request at a time; a new one forgets the last.
class ScreenshotPortal : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Picture,   // picture holds the whole screen
        Colour,    // colour holds what the desktop's own picker took
        Cancelled, // the user said no
        Refused,   // the service answered with a failure or cannot do it
        NoService, // nothing on the bus offers it
        TimedOut,  // no answer in time
        BadAnswer, // an answer we cannot use: no file, no picture, wrong types
    };
    struct Answer {
        Outcome outcome;
        QImage picture;
        QColor colour;
        QString detail; // for the log, never shown as a colour
    };

    explicit ScreenshotPortal(QDBusConnection bus, QObject* parent = nullptr);

    // How long the service may take to make the request. Once made, the
    // request is the desktop's to answer: it may be asking the person.
    void setTimeout(int milliseconds) { timer.setInterval(milliseconds); }
    // A picture of the whole screen without asking the user to frame it.
    void requestScreenshot();
    // The desktop's own click-to-pick.
    void requestPickColor();
    bool waiting() const { return !requestPath.isEmpty(); }
    // The request in flight is no longer wanted: the desktop is told to put
    // its question or picker away, and its answer will not be used.
    void abandon();
    // A request standing this long is one the desktop no longer answers
    // (xdg-desktop-portal 1.16 drops its own question after 25 s, silently).
    void setStandingLimit(int milliseconds) { standingLimit = milliseconds; }
    bool stale() const {
        return waiting() && standing.isValid() && standing.hasExpired(standingLimit);
    }
    // The picture a successful answer names, read, and its file removed
    // when it was written for a request made at `askedAt`.
    static Answer pictureFrom(const QVariantMap& results, const QDateTime& askedAt);
    // Where the answer to the request in flight is expected (for tests).
    QString expectedRequestPath() const { return requestPath; }

signals:
    void answered(const ScreenshotPortal::Answer& answer);
    // The request stands and a moment has gone without an answer: the
    // desktop is asking the person, or its own picker is out.
    void asking();

private slots:
    void response(uint code, const QVariantMap& results);

private:
    enum class Kind { Screenshot, PickColor };
    void start(Kind kind);
    void subscribe(const QString& path);
    void unsubscribe();
    void finish(Answer answer);
    Answer colourFrom(const QVariantMap& results);
    void callReturned(const QString& token, const QDBusMessage& reply);

    QDBusConnection bus;
    QTimer timer;
    QTimer askingTimer;
    QDBusServiceWatcher serviceWatcher;
    Kind kind = Kind::Screenshot;
    QString requestPath;  // the answer we wait for; empty when none
    QString subscribedTo; // whose Response signal we hear, even after a time-out
    QDateTime askedAt;
    QElapsedTimer standing; // since the request was made
    int standingLimit = 25'000;
    bool askingSaid = false; // the person may have been asked by now
    unsigned serial = 0;
};

Q_DECLARE_METATYPE(ScreenshotPortal::Answer)
