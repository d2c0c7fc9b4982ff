#include "card/TfrmSwatchCard.h"

#include "book/TfrmHuevella.h"
#include "forms/FormDefs.h"

TfrmSwatchCard* frmSwatchCard = nullptr;

TfrmSwatchCard::TfrmSwatchCard() : TForm(swatchCardFormDef()) {}

void TfrmSwatchCard::FormCreate() { frmHuevella->placeCompanion(this); }
