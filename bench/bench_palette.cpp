// One drag move on the palette's hue/saturation image with all that it
// redisplays (seven edits, the swatch, both markers, the luminance strip,
// the schemes), the paints it causes processed to the end. Offscreen:
//   build/bin/bench_palette

#include "WindowBench.h"
#include "book/TfrmHuevella.h"
#include "palette/TfrmColorPalette.h"

#include <QMouseEvent>

namespace {

void BM_PaletteImageDragMove(benchmark::State& state) {
    frmColorPalette->Show();
    QCoreApplication::processEvents();
    QWidget* image = frmColorPalette->CPimgPalette;
    int step = 0;
    for (auto _ : state) {
        // A new column and row every move, so every move changes the colour.
        const QPoint at(10 + step % 140, 5 + step % 30);
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, image->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(image, &move);
        QCoreApplication::processEvents();
    }
    state.counters["moves/s"] = benchmark::Counter(double(step), benchmark::Counter::kIsRate);
    frmColorPalette->Hide();
}
BENCHMARK(BM_PaletteImageDragMove)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return runWindowBenchmarks(argc, argv);
}
