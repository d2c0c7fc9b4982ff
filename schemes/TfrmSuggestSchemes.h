#pragma once

#include "platform/Forms.h"

// The suggested colour schemes window.
class TfrmSuggestSchemes : public TForm {
    Q_OBJECT
public:
    TfrmSuggestSchemes();
    void FormCreate() override;
    // Recomputes the schemes from the palette's colour; called after every
    // change of it.
    void UpdateSchemes() {}
};

extern TfrmSuggestSchemes* frmSuggestSchemes;
