// The book window's eyedropper: pressed, it opens the screen picker; dragged
// with the left button, it samples the screen under the pointer.

#include "book/TfrmHuevella.h"
#include "picker/TfrmScreenPicker.h"

namespace {
void showPicker(TfrmHuevella* book) {
    frmScreenPicker->keepAbove(false);
    frmScreenPicker->Show();
    frmScreenPicker->raise();
    book->imgSwatchCard->Hide();
    book->imgCollapseCards->Show();
}
} // namespace

void TfrmHuevella::imgEyedropperMouseDown(TMouseButton, TShiftState, int, int) {
    showPicker(this);
    frmScreenPicker->startPicking();
    frmScreenPicker->sampleScreen(false);
}

// Space or Enter starts picking where the pointer is; then the arrows move
// it a device pixel (ten with Shift), Space or Enter takes the colour and
// Escape ends picking with nothing taken.
void TfrmHuevella::imgEyedropperKeyDown(int& key, TShiftState shift) {
    const bool activate = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!frmScreenPicker->KeyPicking()) {
        if (!activate) return;
        showPicker(this);
        frmScreenPicker->beginKeyPicking();
        key = 0;
        return;
    }
    const int step = (shift & ssShift) ? 10 : 1;
    switch (key) {
    case Qt::Key_Left: frmScreenPicker->moveKeyPoint(-step, 0); break;
    case Qt::Key_Right: frmScreenPicker->moveKeyPoint(step, 0); break;
    case Qt::Key_Up: frmScreenPicker->moveKeyPoint(0, -step); break;
    case Qt::Key_Down: frmScreenPicker->moveKeyPoint(0, step); break;
    case Qt::Key_Escape: frmScreenPicker->cancelKeyPicking(); break;
    default:
        if (!activate) return;
        frmScreenPicker->takeKeyColour();
    }
    key = 0;
}

// The keys went elsewhere: nothing is taken. (At exit the picker may be
// gone before the focus leaves.)
void TfrmHuevella::imgEyedropperExit() {
    if (frmScreenPicker) frmScreenPicker->cancelKeyPicking();
}

void TfrmHuevella::imgEyedropperMouseUp(TMouseButton, TShiftState, int, int) {
    frmScreenPicker->stopPicking();
}

void TfrmHuevella::imgEyedropperMouseMove(TShiftState shift, int, int) {
    if (!(shift & ssLeft)) return;
    frmScreenPicker->sampleScreen(true);
}
