#include "schemes/TfrmSuggestSchemes.h"

#include "book/TfrmHuevella.h"
#include "forms/FormDefs.h"

TfrmSuggestSchemes* frmSuggestSchemes = nullptr;

TfrmSuggestSchemes::TfrmSuggestSchemes() : TForm(suggestSchemesFormDef()) {}

void TfrmSuggestSchemes::FormCreate() {
    frmHuevella->placeCompanion(this);
    // The last window to be made: every window a loaded book touches exists.
    frmHuevella->loadCommandLineBook();
}
