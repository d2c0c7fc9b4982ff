#include "slider/TfrmMivoSlider.h"

#include "book/TfrmHuevella.h"
#include "forms/FormDefs.h"

TfrmMivoSlider* frmMivoSlider = nullptr;

TfrmMivoSlider::TfrmMivoSlider() : TForm(sliderFormDef()) {}

void TfrmMivoSlider::FormCreate() {
    frmHuevella->placeCompanion(this);
}
