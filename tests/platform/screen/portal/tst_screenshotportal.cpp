// The client of the desktop's screenshot service, against a stand-in of our
// own on the private session bus the test runs in, and the reading of one
// eyedropper gesture built on it.

#include "platform/screen/ScreenReading.h"
#include "platform/screen/portal/ScreenshotPortal.h"

#include "DeclaredPng.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Outcome = ScreenshotPortal::Outcome;
using State = ScreenRead::State;
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(State)

namespace {

// Every pixel tells where it is.
QRgb pixelAt(int x, int y) {
    return qRgb(x & 0xFF, y & 0xFF, (x >> 8) | (y >> 8) << 4);
}

QImage pattern(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, pixelAt(x, y));
    return image;
}

} // namespace

class TestScreenshotPortal : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString fixture;
    std::unique_ptr<QProcess> standIn;

    void startStandIn(const QStringList& options) {
        standIn = std::make_unique<QProcess>();
        standIn->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        standIn->start(PORTAL_STANDIN,
                       QStringList{"--picture", fixture, "--dir", dir.path()} + options);
        QVERIFY(standIn->waitForStarted());
        QTRY_VERIFY(standIn->canReadLine());
        QCOMPARE(standIn->readLine().trimmed(), QByteArray("ready"));
    }
    // What the stand-in printed since last asked.
    QStringList standInSaid() {
        QStringList lines;
        while (standIn && standIn->canReadLine())
            lines << QString::fromUtf8(standIn->readLine().trimmed());
        return lines;
    }
    static ScreenshotPortal::Answer wait(QSignalSpy& spy, int ms = 5000) {
        if (spy.isEmpty()) spy.wait(ms);
        return spy.isEmpty() ? ScreenshotPortal::Answer{Outcome::TimedOut, {}, {}, "no signal"}
                             : spy.takeFirst().at(0).value<ScreenshotPortal::Answer>();
    }
    // A reading through the service on the test bus, of a screen that
    // cannot be read directly unless `direct` says otherwise.
    static std::unique_ptr<ScreenReading> makeReading(ScreenReading::DirectRead direct = {}) {
        if (!direct) direct = [](const QRect&) { return std::optional<QImage>(); };
        return std::make_unique<ScreenReading>(
            std::move(direct),
            [] { return std::make_unique<ScreenshotPortal>(QDBusConnection::sessionBus()); },
            [] { return QRect(0, 0, 160, 100); });
    }
    // What a reading goes through from its press: every state, the last
    // colour and whether it was said to be on wlroots.
    struct Seen {
        QList<ScreenRead::State> states;
        QColor colour;
        bool wlroots = false;
        bool desktopPicker = false;
    };
    static void begin(ScreenReading& reading, Seen& seen) {
        seen.states << reading
                           .begin(QPoint(10, 10),
                                  [&seen](const ScreenRead& read) {
                                      seen.states << read.state;
                                      seen.colour = read.colour;
                                      seen.wlroots = read.wlroots;
                                      seen.desktopPicker = read.desktopPicker;
                                  })
                           .state;
    }
    QStringList filesLeft() const {
        return QDir(dir.path()).entryList({"Screenshot-*"}, QDir::Files);
    }

private slots:
    void initTestCase() {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "needs a session bus");
        // Where the machine's own screenshot service could be started on
        // this bus, it would take the stand-in's name.
        const QStringList startable =
            QDBusConnection::sessionBus().interface()->activatableServiceNames();
        QVERIFY2(!startable.contains("org.freedesktop.portal.Desktop"),
                 "the test bus starts the machine's services: give it a configuration of its own");
        QVERIFY(dir.isValid());
        fixture = dir.filePath("fixture.png");
        QVERIFY(pattern(QSize(320, 200)).save(fixture));
    }
    void cleanup() {
        if (standIn) {
            standIn->kill();
            standIn->waitForFinished();
            standIn.reset();
        }
        // The service's name must be free for the next stand-in.
        QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            "org.freedesktop.portal.Desktop"));
        for (const QString& name : QDir(dir.path()).entryList({"Screenshot-*"}, QDir::Files))
            QFile::remove(dir.filePath(name));
    }

    void screenshotAnswers_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("picture") << "ok" << Outcome::Picture;
        QTest::newRow("answer before the call returns") << "early" << Outcome::Picture;
        QTest::newRow("service chooses the handle") << "other-handle" << Outcome::Picture;
        // Before anyone could have been asked, a cancel is the desktop's.
        QTest::newRow("cancelled at once") << "cancel" << Outcome::Refused;
        QTest::newRow("cancelled after asking") << "cancel --delay 2500" << Outcome::Cancelled;
        QTest::newRow("failed") << "fail" << Outcome::Refused;
        QTest::newRow("denied when asked") << "fail --delay 2500" << Outcome::Cancelled;
        QTest::newRow("call refused") << "refuse-call" << Outcome::Refused;
        QTest::newRow("no uri") << "no-uri" << Outcome::BadAnswer;
        QTest::newRow("uri of another type") << "uri-not-string" << Outcome::BadAnswer;
        QTest::newRow("no file there") << "no-file" << Outcome::BadAnswer;
        QTest::newRow("file is no picture") << "not-a-picture" << Outcome::BadAnswer;
        QTest::newRow("no service") << "" << Outcome::NoService;
    }
    void screenshotAnswers() {
        QFETCH(QString, mode);
        QFETCH(Outcome, outcome);
        if (!mode.isEmpty()) startStandIn(QStringList{"--screenshot"} + mode.split(' '));
        ScreenshotPortal portal(QDBusConnection::sessionBus());
        QSignalSpy spy(&portal, &ScreenshotPortal::answered);
        portal.requestScreenshot();
        QVERIFY(portal.waiting());
        const ScreenshotPortal::Answer answer = wait(spy);
        QCOMPARE(answer.outcome, outcome);
        QVERIFY(!portal.waiting());
        if (outcome == Outcome::Picture) {
            QCOMPARE(answer.picture.size(), QSize(320, 200));
            QCOMPARE(answer.picture.pixel(301, 177), pixelAt(301, 177));
        }
        // Whatever the answer, what the service wrote for us is gone.
        QTRY_COMPARE(filesLeft(), QStringList());
        QCOMPARE(spy.size(), 0);
    }

    // The service's picture is as large as the screens at most: one that
    // declares more is a bad answer, said, and the program goes on.
    void giantPictureIsABadAnswer() {
        const QString giant = dir.filePath("giant.png");
        QFile out(giant);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(declaredPng(32768, 32768));
        out.close();
        const QString kept = fixture;
        fixture = giant;
        startStandIn({"--screenshot", "ok"});
        fixture = kept;
        ScreenshotPortal portal(QDBusConnection::sessionBus());
        QSignalSpy spy(&portal, &ScreenshotPortal::answered);
        portal.requestScreenshot();
        const ScreenshotPortal::Answer answer = wait(spy);
        QCOMPARE(answer.outcome, Outcome::BadAnswer);
        QVERIFY2(answer.detail.contains("larger than the screens"), qPrintable(answer.detail));
        QTRY_COMPARE(filesLeft(), QStringList());
    }

    // The request is made as the service expects it: a token of ours, the
    // handle derived from it, and no question to frame the picture.
    void requestNamesItsAnswer() {
        startStandIn({"--screenshot", "silent"});
        ScreenshotPortal portal(QDBusConnection::sessionBus());
        portal.requestScreenshot();
        const QString expected = portal.expectedRequestPath();
        QVERIFY(expected.startsWith("/org/freedesktop/portal/desktop/request/"));
        QTRY_VERIFY(standIn->canReadLine());
        const QStringList call = standInSaid().first().split(' ');
        QCOMPARE(call.size(), 4);
        QCOMPARE(call[0], QString("Screenshot"));
        QCOMPARE(call[1], expected);
        QVERIFY(expected.endsWith("/" + call[2]));
        QCOMPARE(call[3], QString("interactive=false"));
        // A second request has a token of its own.
        portal.requestScreenshot();
        QVERIFY(portal.expectedRequestPath() != expected);
    }

    // Only a service that never makes the request is given up on: once the
    // request stands, the desktop may be asking the person (GNOME asks
    // before the first picture), and that answer is theirs to give.
    void heldRequestIsTheDesktopsToAnswer_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("timesOut");
        QTest::addColumn<bool>("asks");
        QTest::newRow("request made, no answer yet") << "silent" << false << true;
        QTest::newRow("no request made") << "no-request" << true << false;
    }
    void heldRequestIsTheDesktopsToAnswer() {
        QFETCH(QString, mode);
        QFETCH(bool, timesOut);
        QFETCH(bool, asks);
        startStandIn({"--screenshot", mode});
        ScreenshotPortal portal(QDBusConnection::sessionBus());
        portal.setTimeout(200);
        QSignalSpy spy(&portal, &ScreenshotPortal::answered);
        QSignalSpy asking(&portal, &ScreenshotPortal::asking);
        portal.requestScreenshot();
        if (timesOut) QCOMPARE(wait(spy).outcome, Outcome::TimedOut);
        QTest::qWait(2300);
        QCOMPARE(spy.size(), 0);
        QCOMPARE(asking.size(), asks ? 1 : 0);
        QCOMPARE(portal.waiting(),
                 !timesOut); // A service that goes away answers for the request it held.
        standIn->kill();
        if (!timesOut) QCOMPARE(wait(spy).outcome, Outcome::NoService);
        QVERIFY(!portal.waiting());
    }

    // A picture that comes after we stopped waiting is not used, but its
    // file is still removed.
    void lateAnswerIsCleanedUp() {
        startStandIn({"--screenshot", "slow-request", "--delay", "700"});
        ScreenshotPortal portal(QDBusConnection::sessionBus());
        portal.setTimeout(200);
        QSignalSpy spy(&portal, &ScreenshotPortal::answered);
        portal.requestScreenshot();
        QCOMPARE(wait(spy).outcome, Outcome::TimedOut);
        // The file is there while the answer is on its way.
        QCOMPARE(filesLeft().size(), 1);
        QTRY_COMPARE(filesLeft(), QStringList());
        QTest::qWait(100);
        QCOMPARE(spy.size(), 0);
    }

    // A file that was there before we asked is not ours to remove.
    void olderFileIsLeftAlone() {
        const QString old = dir.filePath("old.png");
        QVERIFY(QFile::copy(fixture, old));
        QFile file(old);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
        file.close();
        startStandIn({"--screenshot", "old-file"});
        ScreenshotPortal portal(QDBusConnection::sessionBus());
        QSignalSpy spy(&portal, &ScreenshotPortal::answered);
        portal.requestScreenshot();
        QCOMPARE(wait(spy).outcome, Outcome::Picture);
        QVERIFY(QFileInfo::exists(old));
        QFile::remove(old);
    }

    void pickColourAnswers_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("colour") << "ok" << Outcome::Colour;
        // The desktop's picker is out at once: any cancel is the person's.
        QTest::newRow("cancelled") << "cancel" << Outcome::Cancelled;
        QTest::newRow("failed") << "fail" << Outcome::Refused;
        QTest::newRow("colour of another type") << "bad-type" << Outcome::BadAnswer;
    }
    void pickColourAnswers() {
        QFETCH(QString, mode);
        QFETCH(Outcome, outcome);
        startStandIn({"--pick", mode, "--colour", "0.2,0.4,0.8"});
        ScreenshotPortal portal(QDBusConnection::sessionBus());
        QSignalSpy spy(&portal, &ScreenshotPortal::answered);
        portal.requestPickColor();
        const ScreenshotPortal::Answer answer = wait(spy);
        QCOMPARE(answer.outcome, outcome);
        if (outcome == Outcome::Colour) QCOMPARE(answer.colour, QColor(51, 102, 204));
    }

    // Picture pixels for screen points, whatever the desktop's scale: each
    // point takes the pixel at its top-left corner.
    void pointsOfPicture_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("1: origin") << 1.0 << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("1: inside") << 1.0 << QPoint(123, 77) << QPoint(123, 77);
        QTest::newRow("1: last") << 1.0 << QPoint(159, 99) << QPoint(159, 99);
        QTest::newRow("2: inside") << 2.0 << QPoint(123, 77) << QPoint(246, 154);
        QTest::newRow("2: last") << 2.0 << QPoint(159, 99) << QPoint(318, 198);
        QTest::newRow("1.5: even") << 1.5 << QPoint(2, 4) << QPoint(3, 6);
        QTest::newRow("1.5: odd") << 1.5 << QPoint(3, 5) << QPoint(4, 7);
        QTest::newRow("1.5: last") << 1.5 << QPoint(159, 99) << QPoint(238, 148);
    }
    void pointsOfPicture() {
        QFETCH(double, scale);
        QFETCH(QPoint, point);
        QFETCH(QPoint, pixel);
        const QRect area(0, 0, 160, 100);
        const QImage picture = pattern((QSizeF(area.size()) * scale).toSize());
        const QImage points = ::pointsOfPicture(picture, area, QRect(point, QSize(1, 1)));
        QCOMPARE(points.pixel(0, 0), pixelAt(pixel.x(), pixel.y()));
        // The magnifier's rectangle around it, over the edges: black off the
        // picture, the same pixels inside.
        const QRect around(point - QPoint(9, 6), QSize(18, 13));
        const QImage view = ::pointsOfPicture(picture, area, around);
        QCOMPARE(view.pixel(9, 6), pixelAt(pixel.x(), pixel.y()));
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 18; ++x)
                if (!area.contains(around.topLeft() + QPoint(x, y)))
                    QCOMPARE(view.pixel(x, y), qRgb(0, 0, 0));
    }

    // A desktop area that does not start at the origin (a screen left of
    // the primary one).
    void pointsOfShiftedArea() {
        const QImage picture = pattern(QSize(200, 100));
        const QImage points =
            ::pointsOfPicture(picture, QRect(-100, 0, 200, 100), QRect(-100, 10, 1, 1));
        QCOMPARE(points.pixel(0, 0), pixelAt(0, 10));
    }

    // One gesture: a screen that reads never asks the desktop.
    void readableScreenStaysLive() {
        int portals = 0;
        ScreenReading reading([](const QRect& r) { return std::optional(pattern(r.size())); },
                              [&] {
                                  ++portals;
                                  return std::unique_ptr<ScreenshotPortal>();
                              },
                              [] { return QRect(0, 0, 160, 100); });
        QCOMPARE(reading.begin(QPoint(5, 5), {}).state, State::Live);
        QVERIFY(reading.read(QRect(0, 0, 4, 4)).has_value());
        QCOMPARE(portals, 0);
    }

    // A refused screen: a picture from the service, else its colour picker,
    // else a message; never pixels that are not there.
    void refusedScreenAsksTheDesktop_data() {
        QTest::addColumn<QStringList>("standIn");
        QTest::addColumn<QList<State>>("states");
        QTest::newRow("picture") << QStringList{"--screenshot", "ok"}
                                 << QList<State>{State::Waiting, State::Frozen};
        QTest::newRow("refused, picked instead")
            << QStringList{"--screenshot", "fail"}
            << QList<State>{State::Waiting, State::Picking, State::Picked};
        QTest::newRow("no file, picked instead")
            << QStringList{"--screenshot", "no-file"}
            << QList<State>{State::Waiting, State::Picking, State::Picked};
        QTest::newRow("refused, picker refused too")
            << QStringList{"--screenshot", "fail", "--pick", "fail"}
            << QList<State>{State::Waiting, State::Picking, State::Failed};
        QTest::newRow("refused, the desktop's picker cancelled")
            << QStringList{"--screenshot", "fail", "--pick", "cancel"}
            << QList<State>{State::Waiting, State::Picking, State::Cancelled};
        QTest::newRow("cancelled at once, picked instead")
            << QStringList{"--screenshot", "cancel"}
            << QList<State>{State::Waiting, State::Picking, State::Picked};
        QTest::newRow("cancelled by the person")
            << QStringList{"--screenshot", "cancel", "--delay", "2500"}
            << QList<State>{State::Waiting, State::Asking, State::Cancelled};
        QTest::newRow("asking the person")
            << QStringList{"--screenshot", "silent"} << QList<State>{State::Waiting, State::Asking};
        QTest::newRow("no request made") << QStringList{"--screenshot", "no-request"}
                                         << QList<State>{State::Waiting, State::NoAnswer};
        QTest::newRow("no service")
            << QStringList{} << QList<State>{State::Waiting, State::Unreadable};
    }
    void refusedScreenAsksTheDesktop() {
        QFETCH(QStringList, standIn);
        QFETCH(QList<State>, states);
        if (!standIn.isEmpty()) startStandIn(standIn);
        const auto reading = makeReading();
        reading->screenshotTimeout = 300;
        Seen seen;
        begin(*reading, seen);
        QTRY_COMPARE(seen.states, states);
        // Nothing more comes, a time-out included.
        QTest::qWait(reading->screenshotTimeout + 200);
        QCOMPARE(seen.states, states);
        if (states.last() == State::Picked) QCOMPARE(seen.colour, QColor(51, 102, 204));
        // A cancel is told apart: of the picture, or of the desktop's picker.
        QCOMPARE(seen.desktopPicker,
                 states.contains(State::Picking) && states.last() == State::Cancelled);
        const auto read = reading->read(QRect(100, 50, 2, 2));
        QCOMPARE(read.has_value(), states.last() == State::Frozen);
        // The fixture is twice the area: the points take every other pixel.
        if (read) QCOMPARE(read->pixel(1, 1), pixelAt(202, 102));
        reading->end();
        QVERIFY(!reading->read(QRect(100, 50, 2, 2)).has_value());
    }

    // Where the pointer's place is not known (a native Wayland client), no
    // picture can be read where it is: the screen is not read, and the
    // desktop's own picker is asked at once.
    void pointerUnknownAsksTheDesktopsPicker() {
        startStandIn({"--screenshot", "ok", "--pick", "ok", "--colour", "0.2,0.4,0.8"});
        int directReads = 0;
        const auto reading = makeReading([&](const QRect&) {
            ++directReads;
            return std::optional<QImage>(QImage(1, 1, QImage::Format_RGB32));
        });
        reading->pointerKnown = false;
        Seen seen;
        begin(*reading, seen);
        QTRY_COMPARE(seen.states, (QList<State>{State::Picking, State::Picked}));
        QCOMPARE(seen.colour, QColor(51, 102, 204));
        QCOMPARE(directReads, 0);
        QVERIFY(!reading->read(QRect(10, 10, 1, 1)).has_value());
        QCOMPARE(standInSaid().filter("Screenshot ").size(), 0);
    }

    // A failed service is said to need grim and slurp on wlroots desktops,
    // whose portal fails so without them, and only there.
    void failedServiceKnowsWlroots_data() {
        QTest::addColumn<QByteArray>("desktop");
        QTest::addColumn<QByteArray>("swaySocket");
        QTest::addColumn<bool>("wlroots");
        QTest::newRow("sway") << QByteArray("sway") << QByteArray() << true;
        QTest::newRow("Hyprland") << QByteArray("Hyprland") << QByteArray() << true;
        QTest::newRow("GNOME") << QByteArray("ubuntu:GNOME") << QByteArray() << false;
        QTest::newRow("sway's socket only") << QByteArray() << QByteArray("/run/sway.sock") << true;
    }
    void failedServiceKnowsWlroots() {
        QFETCH(QByteArray, desktop);
        QFETCH(QByteArray, swaySocket);
        QFETCH(bool, wlroots);
        startStandIn({"--screenshot", "fail", "--pick", "fail"});
        qputenv("XDG_CURRENT_DESKTOP", desktop);
        qputenv("SWAYSOCK", swaySocket);
        const auto reading = makeReading();
        Seen seen;
        begin(*reading, seen);
        QTRY_COMPARE(seen.states.last(), State::Failed);
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("SWAYSOCK");
        QCOMPARE(seen.wlroots, wlroots);
    }

    // A press while the desktop is still answering the last one asks
    // nothing more: a second question would only queue behind the first
    // (GNOME then refuses every request after). A request given up, or one
    // standing longer than the desktop answers any, is closed and a new
    // press asks anew.
    void oneRequestAtATime_data() {
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("closed");
        QTest::newRow("still answering") << "end" << 1 << 0;
        QTest::newRow("given up") << "abandon" << 2 << 1;
        QTest::newRow("standing too long") << "wait" << 2 << 1;
    }
    void oneRequestAtATime() {
        QFETCH(QString, then);
        QFETCH(int, requests);
        QFETCH(int, closed);
        startStandIn({"--screenshot", "silent"});
        const auto reading = makeReading();
        reading->standingLimit = 3000;
        Seen seen;
        begin(*reading, seen);
        QTRY_COMPARE(seen.states, (QList<State>{State::Waiting, State::Asking}));
        if (then == "end") reading->end();
        if (then == "abandon") reading->abandon();
        if (then == "wait") QTest::qWait(1500);
        QCOMPARE(reading->desktopAnswering(), then != "abandon");
        begin(*reading, seen);
        QCOMPARE(seen.states.last(), requests == 1 ? State::Asking : State::Waiting);
        QTest::qWait(300);
        const QStringList said = standInSaid();
        QCOMPARE(said.filter(QRegularExpression("^Screenshot ")).size(), requests);
        QCOMPARE(said.filter(QRegularExpression("^Close ")).size(), closed);
        if (closed) QVERIFY(said.filter("Close ").first().endsWith(said.first().split(' ')[1]));
    }
};

QTEST_GUILESS_MAIN(TestScreenshotPortal)
#include "tst_screenshotportal.moc"
