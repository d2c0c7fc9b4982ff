#include "palette/TfrmColorPalette.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Pointer.h"

#include "core/colour/Conversions.h"
#include "forms/FormDefs.h"

#include <algorithm>

TfrmColorPalette* frmColorPalette = nullptr;

namespace {

// A drag that leaves the image or a strip keeps the values in range.
int within(int value, int low, int high) {
    return std::clamp(value, low, high);
}
int scaled(int coordinate, float factor) {
    return int(float(coordinate) * factor);
}

} // namespace

TfrmColorPalette::TfrmColorPalette() : TForm(colorPaletteFormDef()) {
    bindControls();
    bindEvents();
    hexCode.clear();
    hue = 180;
    sat = 50;
    lum = 50;
    RecomputeFromHsl();
    ShowModel();
    DrawHueSatMarkers();
    DrawLumMarker();
}

void TfrmColorPalette::bindControls() {
    imgPaletteBackground = control<TImage>("imgPaletteBackground");
    CPpbxSatSlider = control<TPaintBox>("CPpbxSatSlider");
    CPimgPalette = control<TImage>("CPimgPalette");
    CPpbxHueSlider = control<TPaintBox>("CPpbxHueSlider");
    CPpbxLumPalette = control<TPaintBox>("CPpbxLumPalette");
    CPpbxLumSlider = control<TPaintBox>("CPpbxLumSlider");
    imgSuggestSchemes = control<TImage>("imgSuggestSchemes");
    editRed = control<TEdit>("editRed");
    editGreen = control<TEdit>("editGreen");
    editBlue = control<TEdit>("editBlue");
    editHue = control<TEdit>("editHue");
    editSat = control<TEdit>("editSat");
    editLum = control<TEdit>("editLum");
    editHex = control<TEdit>("editHex");
    pnlSwatch = control<TPanel>("pnlSwatch");
}

void TfrmColorPalette::bindEvents() {
    CPimgPalette->OnClick = [this] { CPimgPaletteClick(); };
    CPimgPalette->OnMouseMove = [this](TShiftState s, int x, int y) {
        CPimgPaletteMouseMove(s, x, y);
    };
    CPpbxHueSlider->OnMouseMove = [this](TShiftState s, int x, int y) {
        CPpbxHueSliderMouseMove(s, x, y);
    };
    CPpbxSatSlider->OnMouseMove = [this](TShiftState s, int x, int y) {
        CPpbxSatSliderMouseMove(s, x, y);
    };
    CPpbxLumPalette->OnClick = [this] { CPpbxLumPaletteClick(); };
    CPpbxLumPalette->OnMouseMove = [this](TShiftState s, int x, int y) {
        CPpbxLumPaletteMouseMove(s, x, y);
    };
    CPpbxLumSlider->OnMouseMove = [this](TShiftState s, int x, int y) {
        CPpbxLumSliderMouseMove(s, x, y);
    };
    CPpbxHueSlider->OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        CPpbxHueSliderMouseUp(b, s, x, y);
    };
    CPpbxSatSlider->OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        CPpbxSatSliderMouseUp(b, s, x, y);
    };
    CPpbxLumSlider->OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        CPpbxLumSliderMouseUp(b, s, x, y);
    };
    CPpbxLumPalette->OnPaint = [this] { CPpbxLumPalettePaint(); };
    CPpbxHueSlider->OnPaint = [this] { CPpbxHueSliderPaint(); };
    CPpbxSatSlider->OnPaint = [this] { CPpbxSatSliderPaint(); };
    CPpbxLumSlider->OnPaint = [this] { CPpbxLumSliderPaint(); };
    pnlSwatch->OnClick = [this] { pnlSwatchClick(); };
    pnlSwatch->OnMouseMove = [this](TShiftState s, int x, int y) { pnlSwatchMouseMove(s, x, y); };
    imgSuggestSchemes->OnClick = [this] { imgSuggestSchemesClick(); };
    const auto keyUp = [this](TEdit* edit,
                              void (TfrmColorPalette::*handler)(unsigned short&, TShiftState)) {
        edit->OnKeyUp = [this, handler](unsigned short& key, TShiftState shift) {
            (this->*handler)(key, shift);
        };
    };
    keyUp(editHex, &TfrmColorPalette::editHexKeyUp);
    keyUp(editRed, &TfrmColorPalette::editRedKeyUp);
    keyUp(editGreen, &TfrmColorPalette::editGreenKeyUp);
    keyUp(editBlue, &TfrmColorPalette::editBlueKeyUp);
    keyUp(editHue, &TfrmColorPalette::editHueKeyUp);
    keyUp(editSat, &TfrmColorPalette::editSatKeyUp);
    keyUp(editLum, &TfrmColorPalette::editLumKeyUp);
}

void TfrmColorPalette::RecomputeFromHsl() {
    paletteColor = HslToColor(float(lum), float(sat), float(hue));
    red = RedOf(paletteColor);
    green = GreenOf(paletteColor);
    blue = BlueOf(paletteColor);
    hexCode = ChannelsToHex(std::to_string(red), std::to_string(green), std::to_string(blue));
}

void TfrmColorPalette::ShowModel() {
    pnlSwatch->setColor(paletteColor);
    editHue->setTextValue(std::to_string(hue));
    editSat->setTextValue(std::to_string(sat));
    editLum->setTextValue(std::to_string(lum));
    editRed->setTextValue(std::to_string(red));
    editGreen->setTextValue(std::to_string(green));
    editBlue->setTextValue(std::to_string(blue));
    editHex->setTextValue(hexCode);
    hueMarkerX = int(hue * 0.444444445);
    satMarkerY = int(sat * 0.4);
    lumMarkerY = int(lum * 0.4);
}

QPoint TfrmColorPalette::cursorIn(const TControl* control) const {
    return control->ScreenToClient(desktop().cursorPos());
}

void TfrmColorPalette::confineTo(const TControl* strip) {
    ConfinePointer(QRect(strip->ClientToScreen({0, 0}), strip->size()));
}

void TfrmColorPalette::CPimgPaletteClick() {
    const QPoint p = cursorIn(CPimgPalette);
    hue = within(scaled(p.x(), 2.25f), 0, 360);
    sat = within(scaled(p.y(), 2.5f), 0, 100);
    RecomputeFromHsl();
    ShowModel();
    tellColour();
    DrawHueSatMarkers();
    PaintLumPalette();
}

void TfrmColorPalette::CPimgPaletteMouseMove(TShiftState shift, int /*x*/, int /*y*/) {
    if (!(shift & ssLeft)) return;
    const QPoint p = cursorIn(CPimgPalette);
    hueMarkerX = within(p.x(), 0, 160);
    satMarkerY = within(p.y(), 0, 40);
    hue = scaled(hueMarkerX, 2.25f);
    sat = scaled(satMarkerY, 2.5f);
    RecomputeFromHsl();
    PaintLumPalette();
    ShowModel();
    tellColour();
    DrawHueSatMarkers();
}

void TfrmColorPalette::CPpbxHueSliderMouseMove(TShiftState shift, int /*x*/, int /*y*/) {
    if (!(shift & ssLeft)) return;
    hueMarkerX = within(cursorIn(CPpbxHueSlider).x(), 0, 160);
    hue = scaled(hueMarkerX, 2.25f);
    confineTo(CPpbxHueSlider);
    RecomputeFromHsl();
    ShowModel();
    tellColour();
    DrawHueSatMarkers();
    PaintLumPalette();
}

void TfrmColorPalette::CPpbxSatSliderMouseMove(TShiftState shift, int /*x*/, int /*y*/) {
    if (!(shift & ssLeft)) return;
    satMarkerY = within(cursorIn(CPpbxSatSlider).y(), 0, 40);
    sat = scaled(satMarkerY, 2.5f);
    confineTo(CPpbxSatSlider);
    RecomputeFromHsl();
    ShowModel();
    tellColour();
    DrawHueSatMarkers();
}

void TfrmColorPalette::CPpbxLumPaletteClick() {
    lumMarkerY = within(cursorIn(CPpbxLumPalette).y(), 0, 40);
    lum = scaled(lumMarkerY, 2.5f);
    RecomputeFromHsl();
    ShowModel();
    tellColour();
    DrawLumMarker();
}

void TfrmColorPalette::CPpbxLumPaletteMouseMove(TShiftState shift, int /*x*/, int /*y*/) {
    if (!(shift & ssLeft)) return;
    lumMarkerY = within(cursorIn(CPpbxLumPalette).y(), 0, 40);
    lum = scaled(lumMarkerY, 2.5f);
    RecomputeFromHsl();
    ShowModel();
    tellColour();
    DrawLumMarker();
}

void TfrmColorPalette::CPpbxLumSliderMouseMove(TShiftState shift, int /*x*/, int /*y*/) {
    if (!(shift & ssLeft)) return;
    lumMarkerY = within(cursorIn(CPpbxLumSlider).y(), 0, 40);
    lum = scaled(lumMarkerY, 2.5f);
    confineTo(CPpbxLumSlider);
    RecomputeFromHsl();
    ShowModel();
    tellColour();
    DrawLumMarker();
}

void TfrmColorPalette::CPpbxHueSliderMouseUp(TMouseButton, TShiftState, int, int) {
    FreePointer();
}
void TfrmColorPalette::CPpbxSatSliderMouseUp(TMouseButton, TShiftState, int, int) {
    FreePointer();
}
void TfrmColorPalette::CPpbxLumSliderMouseUp(TMouseButton, TShiftState, int, int) {
    FreePointer();
}

void TfrmColorPalette::pnlSwatchClick() {
    emit colourChosen(pnlSwatch->Color());
}

void TfrmColorPalette::pnlSwatchMouseMove(TShiftState, int, int) {
    pnlSwatch->setCursorNumber(Cursors::Eyedropper);
}

void TfrmColorPalette::imgSuggestSchemesClick() {
    emit schemesToggled();
    // Whatever the colour became meanwhile, the schemes show it.
    tellColour();
}
