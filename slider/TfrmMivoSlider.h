#pragma once

#include "platform/forms/Forms.h"
#include "platform/forms/PaintBox.h"

// The pop-up slider: one colour of the working card made more or less
// saturated, lighter or darker, its hue kept.
class TfrmMivoSlider : public TForm {
    Q_OBJECT
public:
    TfrmMivoSlider();
    void FormDeactivate() override;
    // Up and Down move the luminance marker, Left and Right the saturation
    // marker, a step at a time (ten with Shift; PageUp and PageDown ten on
    // the focused strip), exactly as a drag moves them; Enter keeps the
    // colour, Escape puts back the one the slot had.
    void FormKeyDown(int& key, TShiftState shift) override;
    QString ControlJob(const QWidget* control) const override;
    std::optional<RangeValue> ControlValue(const QWidget* control) const override;
    void SetControlValue(QWidget* control, int value) override;

    TImage* imgSliderSkin;
    TPaintBox* pbxSatPalette;
    TPaintBox* pbxLumPalette;
    TPaintBox* pbxSatSlide;
    TPaintBox* pbxLumSlide;

    // The slot of the working card the slider adjusts.
    TPanel* targetPanel = nullptr;
    // The slot's code, given with its panel: it follows the colour.
    TLabel* targetCaption = nullptr;
    int sliderHue = 0;
    int sliderSat = 0;
    int sliderLum = 0;
    // The colour the three values stand for: the slot's, read, or the one
    // they made. Read again only when the slot holds another.
    TColor valuesColour = clNone;
    // Called once the target is set: the slot's colour and code kept for
    // Escape, and the keys in the luminance strip.
    void beginAdjusting();
    // Out at `place`, the slot and its code its target.
    void adjust(TPanel* panel, TLabel* caption, QPoint place);

    void pbxSatPalettePaint();
    void pbxLumPalettePaint();
    void pbxSatSlidePaint() { drawSatMarker(); }
    void pbxLumSlidePaint() { drawLumMarker(); }
    void pbxSatSlideMouseMove(TShiftState shift, int x, int y);
    void pbxLumSlideMouseMove(TShiftState shift, int x, int y);
    void pbxSatSlideMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void pbxLumSlideMouseUp(TMouseButton button, TShiftState shift, int x, int y);

signals:
    // Adjusting is over: the card it adjusted takes the focus back.
    void adjustEnded();

private:
    // The slider's values from the target slot's colour.
    void ColorToHsl();
    void drawSatMarker();
    void drawLumMarker();
    // A drag step on a marker strip: the value from the pointer, the
    // pointer kept on the strip, the slot's new colour and code.
    bool dragTo(TPaintBox* strip, int& value, TShiftState shift, int x, int y);
    void showNewColour();
    void stepTo(TPaintBox* strip, int& value, int to);
    void endAdjusting();
    TColor openedColour = clNone;
    std::string openedCode;
    // Where each marker was last drawn, so that it can be erased.
    int lastSatMarkerRow = 0;
    int lastLumMarkerRow = 0;
};

extern TfrmMivoSlider* frmMivoSlider;
