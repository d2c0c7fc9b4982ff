// One drag move of the eyedropper (sample, caption, magnifier repaint and
// its flush to the server) against Qt's own grab of the same rectangle.
// Both are timed on the wall clock: the X server's share is part of the
// price. Needs an X display:
//   Xvfb :99 & DISPLAY=:99 build/bin/bench_picker

#include "WindowBench.h"
#include "book/TfrmHuevella.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/screen/x11/ServerMagnifier.h"
#include "tests/support/TestDesktop.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <dlfcn.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <utility>

// Every reply the X connection waits for passes through these (libxcb's
// own reply functions call them through its symbol table, so the
// program's definitions stand in for them): each one is a round trip.
// Only the benchmark's thread is counted; Qt's event reader waits for
// events, not replies.
namespace {
std::atomic<long long> roundTrips{0};
std::thread::id countedThread;

template <typename Fn> Fn next(const char* name) {
    void* found = dlsym(RTLD_NEXT, name);
    if (!found) std::abort();
    Fn fn;
    static_assert(sizeof fn == sizeof found);
    std::memcpy(&fn, &found, sizeof fn);
    return fn;
}

void countRoundTrip() {
    if (std::this_thread::get_id() == countedThread) ++roundTrips;
}
} // namespace

extern "C" void* xcb_wait_for_reply(xcb_connection_t* c, unsigned int request,
                                    xcb_generic_error_t** e) {
    static const auto real =
        next<void* (*)(xcb_connection_t*, unsigned int, xcb_generic_error_t**)>(
            "xcb_wait_for_reply");
    countRoundTrip();
    return real(c, request, e);
}

extern "C" void* xcb_wait_for_reply64(xcb_connection_t* c, uint64_t request,
                                      xcb_generic_error_t** e) {
    static const auto real =
        next<void* (*)(xcb_connection_t*, uint64_t, xcb_generic_error_t**)>("xcb_wait_for_reply64");
    countRoundTrip();
    return real(c, request, e);
}

extern "C" xcb_generic_error_t* xcb_request_check(xcb_connection_t* c, xcb_void_cookie_t cookie) {
    static const auto real =
        next<xcb_generic_error_t* (*)(xcb_connection_t*, xcb_void_cookie_t)>("xcb_request_check");
    countRoundTrip();
    return real(c, cookie);
}

namespace {

const QPoint pointer(500, 300);

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The requests some work sends and the replies it waits for, over the
// stretches between begin() and end(): the requests from the connection's
// sequence numbers, read with a no-operation (which has no reply).
class ServerTraffic {
public:
    ServerTraffic() : c(connection()) { countedThread = std::this_thread::get_id(); }
    void begin() {
        startTrips = roundTrips;
        startSequence = sequence();
    }
    void end() {
        trips += roundTrips - startTrips;
        // The closing no-operation is not the work's.
        requests += sequence() - startSequence - 1;
    }
    void report(benchmark::State& state, const std::string& what, long long times) const {
        state.counters["round_trips/" + what] = double(trips) / double(times);
        state.counters["requests/" + what] = double(requests) / double(times);
    }

private:
    unsigned int sequence() const { return c ? xcb_no_operation(c).sequence : 0; }
    xcb_connection_t* c;
    long long startTrips = 0, trips = 0, requests = 0;
    unsigned int startSequence = 0;
};

// Counts the paints a view really receives: Qt's paints of it (a repaint
// of a window that is not yet mapped and exposed returns at once and paints
// nothing), and the times the X server's own view of it was put on the
// screen.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : widget(widget) {
        widget->installEventFilter(this);
        if (const ServerMagnifier* server = ServerMagnifier::of(widget))
            serverDrawsBefore = server->draws();
    }
    ~PaintCounter() override { widget->removeEventFilter(this); }
    long long paints() const {
        const ServerMagnifier* server = ServerMagnifier::of(widget);
        return qtPaints + (server ? server->draws() - serverDrawsBefore : 0);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++qtPaints;
        return false;
    }

private:
    QWidget* widget;
    long long qtPaints = 0;
    long long serverDrawsBefore = 0;
};

// Shows the picker and waits, on the X server's word, until it is mapped
// and exposed, so every repaint timed after is one a user would see. It
// stays out between runs: hidden and shown again, it reads as exposed
// before the server has mapped it anew.
void dragMove();

bool exposed(QWidget* widget) {
    return widget->windowHandle() && widget->windowHandle()->isExposed();
}

bool showPicker(benchmark::State& state) {
    if (!frmScreenPicker->isVisible()) frmScreenPicker->Show();
    // The view the server draws is a window of its own, made and shown at
    // the first move.
    QCursor::setPos(pointer);
    dragMove();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QWidget* server = ServerMagnifier::of(frmScreenPicker->imgMagnifier);
        if (exposed(frmScreenPicker) && (!server || server->isHidden() || exposed(server))) break;
        if (waited.elapsed() > 5000) {
            state.SkipWithError("the picker was never exposed");
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
    return true;
}

// One round trip: when it returns, the X server has carried out every
// request sent before it, the repaint's image included.
void serverCaughtUp() {
    xcb_connection_t* c = connection();
    if (!c) return;
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

void reportPaints(benchmark::State& state, const PaintCounter& counter) {
    state.counters["paints/move"] = double(counter.paints()) / double(state.iterations());
    if (counter.paints() < state.iterations()) state.SkipWithError("a move went unpainted");
}

// Qt's grab of the rectangle the magnifier shows.
void qtGrab(QScreen* screen) {
    QPixmap grab = screen->grabWindow(0, pointer.x() - 9, pointer.y() - 6, 18, 13);
    benchmark::DoNotOptimize(grab);
}

// A drag's move on the eyedropper: the pointer's position comes with it.
void dragMove() {
    static QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(pointer), Qt::NoButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frmHuevella->imgEyedropper, &move);
}

void BM_QtScreenGrab(benchmark::State& state) {
    QScreen* screen = QGuiApplication::primaryScreen();
    for (auto _ : state)
        qtGrab(screen);
}
BENCHMARK(BM_QtScreenGrab)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_EyedropperDragMove(benchmark::State& state) {
    if (!showPicker(state)) return;
    QCursor::setPos(pointer);
    PaintCounter counter(frmScreenPicker->imgMagnifier);
    ServerTraffic traffic;
    traffic.begin();
    for (auto _ : state)
        dragMove();
    traffic.end();
    traffic.report(state, "move", state.iterations());
    reportPaints(state, counter);
}
BENCHMARK(BM_EyedropperDragMove)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Two things taken in turns, a run of 32 of the baseline, then one of the
// measured, so that whatever else the machine does falls on both alike.
// The measured one is the iteration's time; the means of both, in
// microseconds, are returned.
template <class Measured, class Baseline>
std::pair<double, double> inTurns(benchmark::State& state, Measured measured, Baseline baseline) {
    using Clock = std::chrono::steady_clock;
    constexpr int Run = 32;
    Clock::duration baselines{}, measureds{};
    long long baselineCount = 0;
    int inRun = 0;
    for (auto _ : state) {
        if (inRun++ % Run == 0) {
            const auto start = Clock::now();
            for (int i = 0; i < Run; ++i)
                baseline();
            baselines += Clock::now() - start;
            baselineCount += Run;
        }
        const auto start = Clock::now();
        measured();
        const auto done = Clock::now();
        measureds += done - start;
        state.SetIterationTime(std::chrono::duration<double>(done - start).count());
    }
    const auto micro = [](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count();
    };
    return {micro(measureds) / double(state.iterations()),
            micro(baselines) / double(baselineCount)};
}

// A move against Qt's grab of the same rectangle: the move's time is
// reported, with Qt's grab beside it and the ratio of the two. Each move's
// image is drawn by the server before the next move's read returns; only
// the last image of a run is left to the grabs after it.
void BM_MoveAgainstQtGrab(benchmark::State& state) {
    if (!showPicker(state)) return;
    QCursor::setPos(pointer);
    QScreen* screen = QGuiApplication::primaryScreen();
    PaintCounter counter(frmScreenPicker->imgMagnifier);
    ServerTraffic moves, grabs;
    long long grabCount = 0;
    const auto [moveMean, grabMean] = inTurns(
        state,
        [&] {
            moves.begin();
            dragMove();
            moves.end();
        },
        [&] {
            grabs.begin();
            qtGrab(screen);
            grabs.end();
            ++grabCount;
        });
    moves.report(state, "move", state.iterations());
    grabs.report(state, "qt_grab", grabCount);
    state.counters["qt_grab_us"] = grabMean;
    state.counters["move/grab"] = moveMean / grabMean;
    reportPaints(state, counter);
}
BENCHMARK(BM_MoveAgainstQtGrab)->Unit(benchmark::kMicrosecond)->UseManualTime();

// A move over the desktop's frozen picture (the rootless Xwayland way)
// against a move read from the X server, each drawn by the server before
// the next: the frozen move is reported, with the live move's time and the
// ratio (paints/move counts the moves of both). The picture is a
// 1920 x 1080 screenshot's worth of pixels.
void BM_FrozenMoveAgainstLive(benchmark::State& state) {
    if (!showPicker(state)) return;
    QCursor::setPos(pointer);
    QImage picture(1920, 1080, QImage::Format_RGB32);
    picture.fill(qRgb(30, 144, 255));
    auto frozen = std::make_unique<TestDesktop>();
    frozen->screen = picture;
    frozen->frameArea = QRect(0, 0, 1920, 1080);
    frozen->cursor = pointer;
    frozen->readState = ScreenRead::State::Frozen;
    TestDesktop* frozenDesk = frozen.get();
    std::unique_ptr<Desktop> live = installDesktop(std::move(frozen));
    PaintCounter counter(frmScreenPicker->imgMagnifier);
    const auto shownMove = [] {
        dragMove();
        serverCaughtUp();
    };
    const auto [frozenMean, liveMean] = inTurns(state, shownMove, [&] {
        // The live desktop in for one move, the frozen one back.
        std::unique_ptr<Desktop> parked = installDesktop(std::move(live));
        shownMove();
        live = installDesktop(std::move(parked));
    });
    installDesktop(std::move(live));
    state.counters["live_move_us"] = liveMean;
    state.counters["frozen/live"] = frozenMean / liveMean;
    if (frozenDesk->screenGrabs == 0) state.SkipWithError("the frozen picture was never read");
    reportPaints(state, counter);
}
BENCHMARK(BM_FrozenMoveAgainstLive)->Unit(benchmark::kMicrosecond)->UseManualTime();

// Qt's immediate repaint of the view alone, the way a frozen picture (or a
// server without RENDER) is shown, with one round trip after it so that the
// server's drawing is in the time. The server's own view is put away.
void BM_MagnifierRepaint(benchmark::State& state) {
    if (!showPicker(state)) return;
    if (QWidget* server = ServerMagnifier::of(frmScreenPicker->imgMagnifier)) server->hide();
    PaintCounter counter(frmScreenPicker->imgMagnifier);
    for (auto _ : state) {
        frmScreenPicker->imgMagnifier->Repaint();
        serverCaughtUp();
    }
    reportPaints(state, counter);
}
BENCHMARK(BM_MagnifierRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_picker needs an X display (DISPLAY is not set)\n");
        return 1;
    }
    return runWindowBenchmarks(argc, argv);
}
