#include "picker/TfrmScreenPicker.h"

#include "book/TfrmHuevella.h"
#include "forms/FormDefs.h"

TfrmScreenPicker* frmScreenPicker = nullptr;

TfrmScreenPicker::TfrmScreenPicker() : TForm(screenPickerFormDef()) {}

void TfrmScreenPicker::FormCreate() { frmHuevella->placeCompanion(this); }
