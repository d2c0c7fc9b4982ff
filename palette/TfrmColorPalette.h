#pragma once

#include "platform/Forms.h"

// The colour palette window.
class TfrmColorPalette : public TForm {
    Q_OBJECT
public:
    TfrmColorPalette();
};

extern TfrmColorPalette* frmColorPalette;
