#include "palette/TfrmColorPalette.h"

#include "book/TfrmHuevella.h"
#include "forms/FormDefs.h"

TfrmColorPalette* frmColorPalette = nullptr;

TfrmColorPalette::TfrmColorPalette() : TForm(colorPaletteFormDef()) {}

void TfrmColorPalette::FormCreate() {
    frmHuevella->placeCompanion(this);
}
