// One drag move of the eyedropper (sample, caption, magnifier refresh)
// against the bare screen grab of the same rectangle. Needs an X display:
//   Xvfb :99 & DISPLAY=:99 build/bin/bench_picker

#include "WindowBench.h"
#include "book/TfrmHuevella.h"
#include "picker/TfrmScreenPicker.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

const QPoint pointer(500, 300);

void BM_BareScreenGrab(benchmark::State& state) {
    QScreen* screen = QGuiApplication::primaryScreen();
    for (auto _ : state) {
        QPixmap grab = screen->grabWindow(0, pointer.x() - 9, pointer.y() - 6, 18, 13);
        benchmark::DoNotOptimize(grab);
    }
}
BENCHMARK(BM_BareScreenGrab)->Unit(benchmark::kMicrosecond);

void BM_EyedropperDragMove(benchmark::State& state) {
    frmScreenPicker->Show();
    QCoreApplication::processEvents();
    QCursor::setPos(pointer);
    // A drag's move event: the pointer's position comes with it.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(pointer), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    for (auto _ : state)
        QApplication::sendEvent(frmHuevella->imgEyedropper, &move);
    frmScreenPicker->Hide();
}
BENCHMARK(BM_EyedropperDragMove)->Unit(benchmark::kMicrosecond);

// The immediate repaint of the view alone, the part of a move that is
// neither reading the screen nor working out the colour.
void BM_MagnifierRepaint(benchmark::State& state) {
    frmScreenPicker->Show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        frmScreenPicker->imgMagnifier->Repaint();
    frmScreenPicker->Hide();
}
BENCHMARK(BM_MagnifierRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "bench_picker needs an X display (DISPLAY is not set)\n");
        return 1;
    }
    return runWindowBenchmarks(argc, argv);
}
