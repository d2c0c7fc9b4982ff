// The palette's strips: the markers that show where the colour is on each,
// and the luminance strip of the hue chosen.
#include "palette/TfrmColorPalette.h"

#include "core/colour/Conversions.h"

namespace {

constexpr TColor MarkerColor = BlankColor;
// The skin behind the hue strip, and behind the other strips in three bands.
constexpr TColor HueStripSkin = 0xF6F5F5;
TColor bandSkin(int y) {
    return y < 13 ? 0xF2F0F0 : y < 26 ? 0xEDEAEA : 0xE5E0E0;
}

// One run of a marker, first and last pixel included.
void row(TCanvas* canvas, int y, int x1, int x2) {
    canvas->MoveTo(x1, y);
    canvas->LineTo(x2 + 1, y);
}
void column(TCanvas* canvas, int x, int y1, int y2) {
    canvas->MoveTo(x, y1);
    canvas->LineTo(x, y2 + 1);
}

void hueMarker(TCanvas* canvas, int x0, TColor pen) {
    canvas->setPenColor(pen);
    for (int r = 4, half = 0; r >= 1; --r, ++half)
        row(canvas, r, x0 - half, x0 + half);
}

void satMarker(TCanvas* canvas, int y0, TColor pen) {
    canvas->setPenColor(pen);
    for (int c = 4, half = 0; c >= 1; --c, ++half)
        column(canvas, c, y0 - half, y0 + half);
}

void lumMarker(TCanvas* canvas, int y0, TColor pen) {
    canvas->setPenColor(pen);
    for (int c = 2, half = 1; c <= 4; ++c, ++half)
        column(canvas, c, y0 - half, y0 + half);
}

} // namespace

void TfrmColorPalette::DrawHueSatMarkers() {
    hueMarker(CPpbxHueSlider->Canvas(), prevHueMarkerX, HueStripSkin);
    hueMarker(CPpbxHueSlider->Canvas(), hueMarkerX, MarkerColor);
    prevHueMarkerX = hueMarkerX;
    satMarker(CPpbxSatSlider->Canvas(), prevSatMarkerY, bandSkin(prevSatMarkerY));
    satMarker(CPpbxSatSlider->Canvas(), satMarkerY, MarkerColor);
    prevSatMarkerY = satMarkerY;
}

void TfrmColorPalette::DrawLumMarker() {
    lumMarker(CPpbxLumSlider->Canvas(), prevLumMarkerY, bandSkin(prevLumMarkerY));
    lumMarker(CPpbxLumSlider->Canvas(), lumMarkerY, MarkerColor);
    prevLumMarkerY = lumMarkerY;
}

void TfrmColorPalette::PaintLumPalette() {
    TCanvas* canvas = CPpbxLumPalette->Canvas();
    for (int i = 0; i < 40; ++i) {
        canvas->setPenColor(HslToColor(float(i) * 2.5f, 50, float(hue)));
        canvas->MoveTo(0, i);
        canvas->LineTo(8, i);
    }
}
