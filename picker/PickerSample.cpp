// What the eyedropper reads and how large it shows it: one pixel or the
// average of a square around it, and the magnifier's enlargement, both
// kept across starts.

#include "picker/TfrmScreenPicker.h"

#include "core/colour/Average.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Announce.h"
#include "platform/forms/Preferences.h"
#include "platform/forms/QtCrossing.h"

#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>

namespace {
constexpr const char* SampleKey = "picker/sample";
constexpr const char* ZoomKey = "picker/zoom";

bool oneOf(int value, const auto& allowed) {
    return std::find(std::begin(allowed), std::end(allowed), value) != std::end(allowed);
}

} // namespace

void TfrmScreenPicker::readKeptChoices() {
    sampleSize = keptChoice(SampleKey, 1);
    if (!oneOf(sampleSize, SampleSizes)) sampleSize = 1;
    zoom = keptChoice(ZoomKey, DefaultZoom);
    if (!oneOf(zoom, Zooms)) zoom = DefaultZoom;
}

void TfrmScreenPicker::chooseSampleSize(int size) {
    if (!oneOf(size, SampleSizes)) return;
    const bool changed = size != sampleSize;
    sampleSize = size;
    keepChoice(SampleKey, size);
    drawTarget();
    if (!changed) return;
    announce(size == 1 ? tr("One pixel") : tr("Average of %1×%1 pixels").arg(size));
    resample();
}

void TfrmScreenPicker::stepZoom(int steps) {
    const auto* at = std::find(std::begin(Zooms), std::end(Zooms), zoom);
    const auto index =
        std::clamp<std::ptrdiff_t>(at - std::begin(Zooms) + steps, 0, std::size(Zooms) - 1);
    if (Zooms[index] == zoom) return;
    zoom = Zooms[index];
    keepChoice(ZoomKey, zoom);
    drawTarget();
    announce(tr("Enlarged %1 times").arg(zoom));
    resample();
}

bool TfrmScreenPicker::sampleKey(int key) {
    switch (key) {
    case Qt::Key_1: chooseSampleSize(1); return true;
    case Qt::Key_3: chooseSampleSize(3); return true;
    case Qt::Key_5: chooseSampleSize(5); return true;
    case Qt::Key_7: chooseSampleSize(7); return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: stepZoom(1); return true;
    case Qt::Key_Minus: stepZoom(-1); return true;
    default: return false;
    }
}

void TfrmScreenPicker::wheelEvent(QWheelEvent* event) {
    wheelZoom(event);
}

void TfrmScreenPicker::wheelZoom(QWheelEvent* event) {
    // A wheel turns in steps of 120; a touchpad's small moves add up.
    wheelTurn += event->angleDelta().y();
    const int steps = wheelTurn / 120;
    wheelTurn -= steps * 120;
    if (steps) stepZoom(steps);
    event->accept();
}

// Read again where the pointer is, so that the change shows at once.
void TfrmScreenPicker::resample() {
    if (!isVisible() || !holdsColour || !captionIsCode) return;
    if (reading == ScreenRead::State::Live || reading == ScreenRead::State::Frozen)
        sampleAt(lastPointer, !lblPickerCaption->Caption().empty());
}

TColor TfrmScreenPicker::sampleColour(const QImage& pixels, const QRect& sample) {
    // The desktop's device pixels, in the coordinates the pointer is read in.
    const QRect screen = desktop().screenArea();
    std::vector<TColor> colours;
    for (int y = 0; y < sample.height(); ++y)
        for (int x = 0; x < sample.width(); ++x)
            if (screen.isEmpty() || screen.contains(sample.topLeft() + QPoint(x, y)))
                colours.push_back(fromQRgb(pixels.pixel(x, y)));
    sampledPixels = int(colours.size());
    // The pointer is always on a screen: with none counted, its pixel.
    if (colours.empty())
        colours.push_back(fromQRgb(pixels.pixel(sample.width() / 2, sample.height() / 2)));
    const int all = sample.width() * sample.height();
    lblPickerSample->setCaption(
        sampledPixels < all ? std::to_string(sampledPixels) + "/" + std::to_string(all)
                            : std::to_string(sampleSize) + "×" + std::to_string(sampleSize));
    return averageColour(colours);
}

// The view's overlay: the pointer's pixel ringed, the averaged square
// outlined, and the eyedropper pointing at the pointer's pixel.
void TfrmScreenPicker::drawTarget() {
    const Magnification m = magnification();
    const qreal ratio = devicePixelRatioF();
    QPixmap look(m.view * ratio);
    look.setDevicePixelRatio(ratio);
    look.fill(Qt::transparent);
    QPainter p(&look);
    const auto ring = [&p](const QRect& around) {
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(QRectF(around).adjusted(-0.5, -0.5, 0.5, 0.5));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(around).adjusted(-1.5, -1.5, 1.5, 1.5));
    };
    const QRect pointerPixel = m.square(1);
    ring(pointerPixel);
    if (sampleSize > 1) ring(m.square(sampleSize));
    const QPixmap pipette = LoadPicture(":/forms/picker/pipette.png");
    // Its tip at the rings' top right corner, the pixel itself left clear.
    p.drawPixmap(QPointF(pointerPixel.right() + 3, pointerPixel.top() - 2) - PipetteTip, pipette);
    p.end();
    imgTarget->setPicture(look);
    // The desktop's own drawing of the view lays the new look over it.
    imgTarget->setProperty("look", ++targetLooks);
    lblPickerZoom->setCaption(std::to_string(zoom) + "×");
    lblPickerSample->setCaption(std::to_string(sampleSize) + "×" + std::to_string(sampleSize));
}
