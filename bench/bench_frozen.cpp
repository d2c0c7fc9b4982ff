// The eyedropper on a desktop that lets no program read the screen: from
// the screenshot service's answer (a PNG file of the whole desktop) to the
// picker showing the first colour and its magnified view, offscreen:
//   build/bin/bench_frozen
// The answer's file is read and removed, the picture handed to the picker,
// and the picker samples and repaints at once, as in the program; only the
// D-Bus delivery of the answer is left out. A frame is 16.7 ms.

#include "WindowBench.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/screen/portal/ScreenshotPortal.h"
#include "tests/support/TestDesktop.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QUrl>

namespace {

const QSize Desktop(1920, 1080);

// What a screenshot holds: a wallpaper, a panel, windows with text.
QImage desktopPicture() {
    QImage image(Desktop, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, Desktop.height());
    sky.setColorAt(0, QColor(40, 60, 110));
    sky.setColorAt(1, QColor(150, 90, 120));
    p.fillRect(image.rect(), sky);
    p.fillRect(0, 0, Desktop.width(), 32, QColor(30, 30, 30));
    for (int i = 0; i < 6; ++i) {
        const QRect window(80 + i * 270, 90 + (i % 3) * 220, 700, 480);
        p.fillRect(window, QColor(245, 245, 245));
        p.fillRect(window.adjusted(0, 0, 0, -450), QColor(60, 60, 70 + i * 20));
        p.setPen(Qt::black);
        for (int line = 0; line < 24; ++line)
            p.drawText(window.x() + 12, window.y() + 50 + line * 17,
                       QStringLiteral("Line %1 of a document in window %2, with some words")
                           .arg(line)
                           .arg(i));
    }
    return image;
}

// Worst case: every pixel its own colour, nothing for the compression.
QImage noisePicture() {
    QImage image(Desktop, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = 0xFF000000u | (seed >> 8);
        }
    }
    return image;
}

void answerToFirstColour(benchmark::State& state, const QImage& picture) {
    QTemporaryDir dir;
    const QString fixture = dir.filePath("fixture.png");
    if (!picture.save(fixture)) return state.SkipWithError("cannot write the fixture");
    state.counters["png_kB"] = double(QFile(fixture).size()) / 1024;
    TestDesktopScope desk;
    desk->screen = QImage(Desktop, QImage::Format_RGB32);
    desk->cursor = QPoint(500, 300);
    frmScreenPicker->Show();
    const QString answer = dir.filePath("Screenshot.png");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(answer);
        QFile::copy(fixture, answer);
        desk->pressFinds = ScreenRead::State::Waiting;
        frmScreenPicker->startPicking();
        const QVariantMap results{{"uri", QUrl::fromLocalFile(answer).toString()}};
        const QDateTime asked = QDateTime::currentDateTime();
        state.ResumeTiming();

        ScreenshotPortal::Answer read = ScreenshotPortal::pictureFrom(results, asked);
        desk->screen = std::move(read.picture);
        desk->frameArea = QRect(QPoint(0, 0), Desktop);
        desk->answerScreenRead({ScreenRead::State::Frozen, {}});
    }
    if (QFile::exists(answer)) state.SkipWithError("the answer's file was left behind");
    if (frmScreenPicker->pnlPickerColor->Color() == BlankColor)
        state.SkipWithError("the picker shows no colour");
    frmScreenPicker->stopPicking();
    frmScreenPicker->Hide();
}

void BM_AnswerToFirstColour_Desktop(benchmark::State& state) {
    answerToFirstColour(state, desktopPicture());
}
BENCHMARK(BM_AnswerToFirstColour_Desktop)->Unit(benchmark::kMillisecond);

void BM_AnswerToFirstColour_Noise(benchmark::State& state) {
    answerToFirstColour(state, noisePicture());
}
BENCHMARK(BM_AnswerToFirstColour_Noise)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return runWindowBenchmarks(argc, argv);
}
