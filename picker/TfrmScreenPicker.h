#pragma once

#include "platform/Forms.h"

// The magnifier shown while the eyedropper is dragged: the pixels around
// the pointer enlarged, the colour under it and its code.
class TfrmScreenPicker : public TForm {
    Q_OBJECT
public:
    static constexpr int crEyedropper = 6;

    TfrmScreenPicker();

    TImage* imgPickerBackground;
    TLabel* lblPickerCaption;
    TPanel* pnlPickerColor;
    TImage* imgMagnifier;
    TImage* imgTarget;

    void FormCreate() override;
    void pnlPickerColorClick();
    void lblPickerCaptionClick();
    void pnlPickerColorMouseMove(TShiftState shift, int x, int y);

    // Reads the pixel under the pointer into the colour panel and the
    // pixels around it into the magnifier; with showCode the caption shows
    // the colour's code.
    void sampleScreen(bool showCode);
};

extern TfrmScreenPicker* frmScreenPicker;
