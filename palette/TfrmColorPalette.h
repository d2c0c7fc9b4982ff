#pragma once

#include "core/colour/Conversions.h"
#include "platform/forms/Forms.h"
#include "platform/forms/PaintBox.h"

#include <string>

// The colour palette window: a colour chosen by hue, saturation and
// luminance on the image and the strips, or typed into the seven edits.
class TfrmColorPalette : public TForm {
    Q_OBJECT
public:
    TfrmColorPalette();

    TImage* imgPaletteBackground;
    TPaintBox* CPpbxSatSlider;
    TImage* CPimgPalette;
    TPaintBox* CPpbxHueSlider;
    TPaintBox* CPpbxLumPalette;
    TPaintBox* CPpbxLumSlider;
    TImage* imgSuggestSchemes;
    TEdit* editRed;
    TEdit* editGreen;
    TEdit* editBlue;
    TEdit* editHue;
    TEdit* editSat;
    TEdit* editLum;
    TEdit* editHex;
    TPanel* pnlSwatch;

    // The colour in both halves: channels with their code, and hue,
    // saturation and luminance; the markers' places on their strips.
    TColor paletteColor = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    std::string hexCode;
    int lum = 0;
    int sat = 0;
    int hue = 0;
    int satMarkerY = 0;
    int hueMarkerX = 0;
    int lumMarkerY = 0;
    // Where each marker was last drawn, so that it can be erased.
    int prevHueMarkerX = 0;
    int prevSatMarkerY = 0;
    int prevLumMarkerY = 0;

    void RecomputeFromHsl();
    void ShowModel();
    void DrawHueSatMarkers();
    void DrawLumMarker();
    void PaintLumPalette();
    TColor HslToColor(float luminance, float saturation, float hue) const {
        return ::HslToColor(luminance, saturation, hue);
    }

    void CPimgPaletteClick();
    void CPimgPaletteMouseMove(TShiftState shift, int x, int y);
    void CPpbxHueSliderMouseMove(TShiftState shift, int x, int y);
    void CPpbxSatSliderMouseMove(TShiftState shift, int x, int y);
    void CPpbxLumPaletteClick();
    void CPpbxLumPaletteMouseMove(TShiftState shift, int x, int y);
    void CPpbxLumSliderMouseMove(TShiftState shift, int x, int y);
    void CPpbxHueSliderMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void CPpbxSatSliderMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void CPpbxLumSliderMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void CPpbxLumPalettePaint() { PaintLumPalette(); }
    void CPpbxHueSliderPaint() { DrawHueSatMarkers(); }
    void CPpbxSatSliderPaint() { DrawHueSatMarkers(); }
    void CPpbxLumSliderPaint() { DrawLumMarker(); }
    void pnlSwatchClick();
    void pnlSwatchMouseMove(TShiftState shift, int x, int y);
    void imgSuggestSchemesClick();
    // Says the colour now shown, as after every change of it.
    void tellColour() { emit colourChanged(pnlSwatch->Color(), hue, sat, lum); }

    // Typing the colour (each runs on every key release in its edit).
    void editHexKeyUp(unsigned short& key, TShiftState shift);
    void editRedKeyUp(unsigned short& key, TShiftState shift);
    void editGreenKeyUp(unsigned short& key, TShiftState shift);
    void editBlueKeyUp(unsigned short& key, TShiftState shift);
    void editHueKeyUp(unsigned short& key, TShiftState shift);
    void editSatKeyUp(unsigned short& key, TShiftState shift);
    void editLumKeyUp(unsigned short& key, TShiftState shift);

signals:
    // A colour was chosen here for the card: the window set takes it.
    void colourChosen(TColor colour);
    // The colour shown changed (the schemes follow it, shown or not).
    void colourChanged(TColor colour, int hue, int sat, int lum);
    // The schemes button was clicked.
    void schemesToggled();

private:
    void bindControls();
    void bindEvents();
    // The pointer in a control's own coordinates.
    QPoint cursorIn(const TControl* control) const;
    // Keeps the pointer on a marker strip while its marker is dragged.
    static void confineTo(const TControl* strip);
    // After a typed entry: everything shown again from the state.
    void fullRefresh();
    // A channel typed into its edit: the channels lead, the rest follows.
    void channelKeyUp(TEdit* edit, int& channel);
    // Hue, saturation or luminance typed: the value leads.
    void hslKeyUp(TEdit* edit, int& value, int limit);
};

extern TfrmColorPalette* frmColorPalette;
