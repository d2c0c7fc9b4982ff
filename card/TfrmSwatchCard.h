#pragma once

#include "platform/Forms.h"

// The working card of three colours.
class TfrmSwatchCard : public TForm {
    Q_OBJECT
public:
    TfrmSwatchCard();
    void FormCreate() override;
};

extern TfrmSwatchCard* frmSwatchCard;
