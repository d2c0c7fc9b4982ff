#pragma once

#include "platform/Forms.h"

// The pop-up saturation and luminance slider.
class TfrmMivoSlider : public TForm {
    Q_OBJECT
public:
    TfrmMivoSlider();
    void FormCreate() override;
};

extern TfrmMivoSlider* frmMivoSlider;
