#pragma once

#include "platform/Forms.h"

// The colour palette window.
class TfrmColorPalette : public TForm {
    Q_OBJECT
public:
    TfrmColorPalette();
    void FormCreate() override;
};

extern TfrmColorPalette* frmColorPalette;
