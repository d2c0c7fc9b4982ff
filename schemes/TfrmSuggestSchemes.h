#pragma once

#include "platform/Forms.h"

// The suggested colour schemes window.
class TfrmSuggestSchemes : public TForm {
    Q_OBJECT
public:
    TfrmSuggestSchemes();
    void FormCreate() override;
};

extern TfrmSuggestSchemes* frmSuggestSchemes;
