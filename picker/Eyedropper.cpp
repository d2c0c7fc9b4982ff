// The book window's eyedropper: pressed, it opens the screen picker; dragged
// with the left button, it samples the screen under the pointer.

#include "book/TfrmHuevella.h"
#include "picker/TfrmScreenPicker.h"

void TfrmHuevella::imgEyedropperMouseDown(TMouseButton, TShiftState, int, int) {
    frmScreenPicker->Show();
    frmScreenPicker->raise();
    imgSwatchCard->Hide();
    imgCollapseCards->Show();
    frmScreenPicker->startPicking();
    frmScreenPicker->sampleScreen(false);
}

void TfrmHuevella::imgEyedropperMouseUp(TMouseButton, TShiftState, int, int) {
    frmScreenPicker->stopPicking();
}

void TfrmHuevella::imgEyedropperMouseMove(TShiftState shift, int, int) {
    if (!(shift & ssLeft)) return;
    frmScreenPicker->sampleScreen(true);
}
