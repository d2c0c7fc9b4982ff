#pragma once

#include "platform/Forms.h"

// The magnifier shown while the eyedropper is dragged.
class TfrmScreenPicker : public TForm {
    Q_OBJECT
public:
    TfrmScreenPicker();
    void FormCreate() override;
};

extern TfrmScreenPicker* frmScreenPicker;
