// The picker as the book window's eyedropper drives it: docked under the
// book, not kept above every window as a pick from anywhere is.

#include "picker/TfrmScreenPicker.h"

void TfrmScreenPicker::showDocked() {
    keepAbove(false);
    Show();
    raise();
}

void TfrmScreenPicker::eyedropperPressed() {
    showDocked();
    startPicking();
    sampleScreen(false);
}

void TfrmScreenPicker::keyPickingBegins() {
    showDocked();
    beginKeyPicking();
}
