// One drag move of the eyedropper (sample, caption, magnifier repaint and
// its flush to the server) against Qt's own grab of the same rectangle.
// Both are timed on the wall clock: the X server's share is part of the
// price. Needs an X display:
//   Xvfb :99 & DISPLAY=:99 build/bin/bench_picker

#include "WindowBench.h"
#include "book/TfrmHuevella.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/TestDesktop.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

const QPoint pointer(500, 300);

// Counts the paints a widget really receives: a repaint of a window that
// is not yet mapped and exposed returns at once and paints nothing.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : widget(widget) { widget->installEventFilter(this); }
    ~PaintCounter() override { widget->removeEventFilter(this); }
    long long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }

private:
    QWidget* widget;
};

// Shows the picker and waits, on the X server's word, until it is mapped
// and exposed, so every repaint timed after is one a user would see. It
// stays out between runs: hidden and shown again, it reads as exposed
// before the server has mapped it anew.
bool showPicker(benchmark::State& state) {
    if (!frmScreenPicker->isVisible()) frmScreenPicker->Show();
    QElapsedTimer waited;
    waited.start();
    while (!(frmScreenPicker->windowHandle() && frmScreenPicker->windowHandle()->isExposed())) {
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
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return;
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

void reportPaints(benchmark::State& state, const PaintCounter& counter) {
    state.counters["paints/move"] = double(counter.paints) / double(state.iterations());
    if (counter.paints < state.iterations()) state.SkipWithError("a move went unpainted");
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
    for (auto _ : state)
        dragMove();
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
    const auto micro = [](Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); };
    return {micro(measureds) / double(state.iterations()), micro(baselines) / double(baselineCount)};
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
    const auto [moveMean, grabMean] = inTurns(state, dragMove, [screen] { qtGrab(screen); });
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

// The immediate repaint of the view alone, the part of a move that is
// neither reading the screen nor working out the colour, with one round
// trip after it so that the server's drawing is in the time.
void BM_MagnifierRepaint(benchmark::State& state) {
    if (!showPicker(state)) return;
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
