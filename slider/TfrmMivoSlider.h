#pragma once

#include "platform/Forms.h"

// The pop-up saturation and luminance slider.
class TfrmMivoSlider : public TForm {
    Q_OBJECT
public:
    TfrmMivoSlider();
    void FormCreate() override;

    // The slot of the working card the slider adjusts.
    TPanel* targetPanel = nullptr;
};

extern TfrmMivoSlider* frmMivoSlider;
