// The book window's eyedropper: pressed, it opens the screen picker; dragged
// with the left button, it samples the screen under the pointer.

#include "book/TfrmHuevella.h"

void TfrmHuevella::eyedropperOpensPicker() {
    imgSwatchCard->Hide();
    imgCollapseCards->Show();
}

void TfrmHuevella::imgEyedropperMouseDown(TMouseButton, TShiftState, int, int) {
    if (!eyedropper && makeEyedropper) eyedropper = makeEyedropper();
    if (!eyedropper) return;
    eyedropper->eyedropperPressed();
    eyedropperOpensPicker();
}

// Space or Enter starts picking where the pointer is; then the arrows move
// it a device pixel (ten with Shift), Space or Enter takes the colour
// (Shift+Enter for the card's next slot, picking going on) and Escape ends
// picking.
void TfrmHuevella::imgEyedropperKeyDown(int& key, TShiftState shift) {
    const bool activate = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!eyedropper && makeEyedropper && activate) eyedropper = makeEyedropper();
    if (!eyedropper) return;
    if (!eyedropper->keyPickingUnderWay()) {
        if (!activate) return;
        eyedropper->keyPickingBegins();
        eyedropperOpensPicker();
        key = 0;
        return;
    }
    const int step = (shift & ssShift) ? 10 : 1;
    switch (key) {
    case Qt::Key_Left: eyedropper->keyPointMoves(-step, 0); break;
    case Qt::Key_Right: eyedropper->keyPointMoves(step, 0); break;
    case Qt::Key_Up: eyedropper->keyPointMoves(0, -step); break;
    case Qt::Key_Down: eyedropper->keyPointMoves(0, step); break;
    case Qt::Key_Escape: eyedropper->keyPickingEnds(); break;
    default:
        if (!activate && !eyedropper->pickingKey(key)) return;
        if (!activate) break;
        eyedropper->keyPickingTakes(key != Qt::Key_Space && (shift & ssShift));
    }
    key = 0;
}

// The keys went elsewhere: nothing is taken. (At exit the picker may be
// gone before the focus leaves.)
void TfrmHuevella::imgEyedropperExit() {
    if (eyedropper) eyedropper->keyPickingEnds();
}

void TfrmHuevella::imgEyedropperMouseUp(TMouseButton, TShiftState, int, int) {
    if (eyedropper) eyedropper->eyedropperReleased();
}

void TfrmHuevella::imgEyedropperMouseMove(TShiftState shift, int, int) {
    if (!(shift & ssLeft) || !eyedropper) return;
    eyedropper->eyedropperDragged();
}
