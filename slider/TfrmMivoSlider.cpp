#include "slider/TfrmMivoSlider.h"
#include "platform/desktop/Pointer.h"
#include "platform/forms/Announce.h"

#include "core/colour/Conversions.h"
#include "core/colour/Pallet.h"
#include "core/slider/SlideBackground.h"
#include "forms/FormDefs.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Accessible.h"

#include <algorithm>

TfrmMivoSlider* frmMivoSlider = nullptr;

namespace {

constexpr TColor MarkerBody = 0x5F5050;
constexpr TColor MarkerUpperEdge = 0x9B9292;
constexpr TColor MarkerLowerEdge = 0xC3BEBE;

void run(TCanvas* canvas, int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

// The old marker painted over in the skin's colour, row by row outwards.
void eraseMarker(TCanvas* canvas, int p) {
    for (int y : {p, p + 1, p - 1, p + 2, p - 2, p + 3, p - 3, p + 4, p - 4, p + 5}) {
        if (y >= 0 && y <= 100) canvas->setPenColor(slideBackground[std::size_t(y)]);
        run(canvas, 5, y, 0, y);
    }
}

// A triangle pointing at the gradient, its point at column `tip`; the other
// columns lie towards `tip + step * 4`.
void drawMarker(TCanvas* canvas, int v, int tip, int step) {
    canvas->setPenColor(MarkerBody);
    for (int k = 0; k <= 4; ++k)
        run(canvas, tip + step * k, v - k, tip + step * k, v + k + 1);
    canvas->setPenColor(MarkerUpperEdge);
    run(canvas, tip, v, tip + step * 5, v - 5);
    canvas->setPenColor(MarkerLowerEdge);
    run(canvas, tip, v + 1, tip + step * 5, v + 6);
}

} // namespace

TfrmMivoSlider::TfrmMivoSlider() : TForm(sliderFormDef()) {
    imgSliderSkin = control<TImage>("imgSliderSkin");
    pbxSatPalette = control<TPaintBox>("pbxSatPalette");
    pbxLumPalette = control<TPaintBox>("pbxLumPalette");
    pbxSatSlide = control<TPaintBox>("pbxSatSlide");
    pbxLumSlide = control<TPaintBox>("pbxLumSlide");
    // The strips take the keys as well as the pointer.
    pbxLumSlide->setFocusPolicy(Qt::TabFocus);
    pbxSatSlide->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(pbxLumSlide, pbxSatSlide);
    pbxSatPalette->OnPaint = [this] { pbxSatPalettePaint(); };
    pbxLumPalette->OnPaint = [this] { pbxLumPalettePaint(); };
    pbxSatSlide->OnPaint = [this] { pbxSatSlidePaint(); };
    pbxLumSlide->OnPaint = [this] { pbxLumSlidePaint(); };
    pbxSatSlide->OnMouseMove = [this](TShiftState s, int x, int y) {
        pbxSatSlideMouseMove(s, x, y);
    };
    pbxLumSlide->OnMouseMove = [this](TShiftState s, int x, int y) {
        pbxLumSlideMouseMove(s, x, y);
    };
    pbxSatSlide->OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        pbxSatSlideMouseUp(b, s, x, y);
    };
    pbxLumSlide->OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        pbxLumSlideMouseUp(b, s, x, y);
    };
}

void TfrmMivoSlider::FormDeactivate() {
    Hide();
}

void TfrmMivoSlider::ColorToHsl() {
    if (!targetPanel) return;
    const TColor c = targetPanel->Color();
    const Hsl hsl = ::ColorToHsl(float(RedOf(c)), float(GreenOf(c)), float(BlueOf(c)));
    sliderHue = hsl.hue;
    sliderSat = hsl.saturation;
    sliderLum = hsl.luminance;
    valuesColour = c;
}

void TfrmMivoSlider::pbxSatPalettePaint() {
    if (!targetPanel) return;
    TCanvas* canvas = pbxSatPalette->Canvas();
    // Read again from the slot only when it holds a colour the values did
    // not make: read from their own colour, rounded to bytes, they would
    // drift with every paint, and an arrow would seem to move both strips.
    if (targetPanel->Color() != valuesColour) ColorToHsl();
    for (int r = 0; r <= 99; ++r) {
        canvas->setPenColor(HslToColor(float(sliderLum), float(r), float(sliderHue)));
        run(canvas, 0, r, 10, r);
    }
}

void TfrmMivoSlider::pbxLumPalettePaint() {
    if (!targetPanel) return;
    TCanvas* canvas = pbxLumPalette->Canvas();
    if (targetPanel->Color() != valuesColour) ColorToHsl();
    for (int r = 0; r <= 99; ++r) {
        // At saturation 50, whatever the colour's own.
        canvas->setPenColor(HslToColor(float(r), 50, float(sliderHue)));
        run(canvas, 0, r, 10, r);
    }
}

void TfrmMivoSlider::drawSatMarker() {
    TCanvas* canvas = pbxSatSlide->Canvas();
    eraseMarker(canvas, lastSatMarkerRow);
    drawMarker(canvas, sliderSat, 5, -1);
    lastSatMarkerRow = sliderSat;
}

void TfrmMivoSlider::drawLumMarker() {
    TCanvas* canvas = pbxLumSlide->Canvas();
    eraseMarker(canvas, lastLumMarkerRow);
    drawMarker(canvas, sliderLum, 1, 1);
    lastLumMarkerRow = sliderLum;
}

bool TfrmMivoSlider::dragTo(TPaintBox* strip, int& value, TShiftState shift, int x, int y) {
    if (!(shift & ssLeft) || !targetPanel) return false;
    // Where the pointer cannot be held on the strip, the value stays on it.
    value = std::clamp(strip->ScreenToClient(desktop().cursorPos()).y(), 0, 100);
    ConfinePointer(QRect(pos() + strip->pos(), strip->size()));
    if (x < 0 || x > 6 || y < 0 || y > 100) return false;
    showNewColour();
    return true;
}

void TfrmMivoSlider::showNewColour() {
    valuesColour = HslToColor(float(sliderLum), float(sliderSat), float(sliderHue));
    targetPanel->setColor(valuesColour);
    if (targetCaption) targetCaption->setCaption(ColorToCode(targetPanel->Color()));
}

void TfrmMivoSlider::pbxSatSlideMouseMove(TShiftState shift, int x, int y) {
    if (dragTo(pbxSatSlide, sliderSat, shift, x, y)) drawSatMarker();
}

void TfrmMivoSlider::pbxLumSlideMouseMove(TShiftState shift, int x, int y) {
    if (dragTo(pbxLumSlide, sliderLum, shift, x, y)) drawLumMarker();
}

void TfrmMivoSlider::adjust(TPanel* panel, TLabel* caption, QPoint place) {
    Show();
    SetFocus();
    placeAt(place);
    targetPanel = panel;
    targetCaption = caption;
    beginAdjusting();
}

void TfrmMivoSlider::beginAdjusting() {
    if (!targetPanel) return;
    openedColour = targetPanel->Color();
    openedCode = targetCaption ? targetCaption->Caption() : std::string();
    ColorToHsl();
    pbxLumSlide->setFocus(Qt::OtherFocusReason);
}

void TfrmMivoSlider::stepTo(TPaintBox* strip, int& value, int to) {
    if (!targetPanel) return;
    strip->setFocus(Qt::OtherFocusReason);
    to = std::clamp(to, 0, 100);
    // At the strip's end the value stays, and is said again: the key was
    // heard, and did nothing more.
    if (to == value) {
        announce(QString::number(value));
        return;
    }
    value = to;
    showNewColour();
    if (strip == pbxSatSlide)
        drawSatMarker();
    else
        drawLumMarker();
    announceValueChange(strip, value);
}

// The card is activated first, its slot focused, and the slider goes as it
// loses activation: hidden first, it would have the window system choose
// a window to activate, and that can be the book.
void TfrmMivoSlider::endAdjusting() {
    if (targetPanel) targetPanel->setFocus(Qt::OtherFocusReason);
    emit adjustEnded();
}

void TfrmMivoSlider::FormKeyDown(int& key, TShiftState shift) {
    const int step = (shift & ssShift) ? 10 : 1;
    TPaintBox* focused = pbxSatSlide->hasFocus() ? pbxSatSlide : pbxLumSlide;
    int& focusedValue = focused == pbxSatSlide ? sliderSat : sliderLum;
    switch (key) {
    case Qt::Key_Up: stepTo(pbxLumSlide, sliderLum, sliderLum - step); break;
    case Qt::Key_Down: stepTo(pbxLumSlide, sliderLum, sliderLum + step); break;
    case Qt::Key_Left: stepTo(pbxSatSlide, sliderSat, sliderSat - step); break;
    case Qt::Key_Right: stepTo(pbxSatSlide, sliderSat, sliderSat + step); break;
    case Qt::Key_PageUp: stepTo(focused, focusedValue, focusedValue - 10); break;
    case Qt::Key_PageDown: stepTo(focused, focusedValue, focusedValue + 10); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: endAdjusting(); break;
    case Qt::Key_Escape:
        if (targetPanel && openedColour != clNone) {
            targetPanel->setColor(openedColour);
            if (targetCaption) targetCaption->setCaption(openedCode);
        }
        endAdjusting();
        break;
    default: TForm::FormKeyDown(key, shift); return;
    }
    key = 0;
}

QString TfrmMivoSlider::ControlJob(const QWidget* control) const {
    if (control == pbxSatSlide) return tr("Saturation");
    if (control == pbxLumSlide) return tr("Luminance");
    return {};
}

std::optional<TForm::RangeValue> TfrmMivoSlider::ControlValue(const QWidget* control) const {
    if (control == pbxSatSlide) return RangeValue{sliderSat, 0, 100};
    if (control == pbxLumSlide) return RangeValue{sliderLum, 0, 100};
    return {};
}

void TfrmMivoSlider::SetControlValue(QWidget* control, int value) {
    if (control == pbxSatSlide) stepTo(pbxSatSlide, sliderSat, value);
    if (control == pbxLumSlide) stepTo(pbxLumSlide, sliderLum, value);
}

void TfrmMivoSlider::pbxSatSlideMouseUp(TMouseButton, TShiftState, int, int) {
    FreePointer();
}

void TfrmMivoSlider::pbxLumSlideMouseUp(TMouseButton, TShiftState, int, int) {
    FreePointer();
}
