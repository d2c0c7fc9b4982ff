#include "picker/TfrmScreenPicker.h"
#include "platform/forms/Announce.h"

#include "core/colour/Pallet.h"
#include "forms/CodeMenu.h"
#include "forms/FormDefs.h"
#include "picker/Enlarge.h"
#include "picker/FrozenScreen.h"
#include "platform/desktop/Desktop.h"

#include <QCursor>
#include <QPixmap>

TfrmScreenPicker* frmScreenPicker = nullptr;

TfrmScreenPicker::TfrmScreenPicker() : TForm(screenPickerFormDef()) {
    imgPickerBackground = control<TImage>("imgPickerBackground");
    lblPickerCaption = control<TLabel>("lblPickerCaption");
    pnlPickerColor = control<TPanel>("pnlPickerColor");
    imgMagnifier = control<TImage>("imgMagnifier");
    imgTarget = control<TImage>("imgTarget");
    lblPickerMessage = control<TLabel>("lblPickerMessage");
    // The overlay is drawn over the view and lets the clicks through.
    imgTarget->setAttribute(Qt::WA_TransparentForMouseEvents);

    pnlPickerColor->OnClick = [this] { pnlPickerColorClick(); };
    pnlPickerColor->OnMouseMove = [this](TShiftState s, int x, int y) {
        pnlPickerColorMouseMove(s, x, y);
    };
    lblPickerCaption->OnClick = [this] { lblPickerCaptionClick(); };
    // A message is no code: it has no menu.
    lblPickerCaption->OnMouseUp = [this](TMouseButton b, TShiftState, int, int) {
        if (b == TMouseButton::mbRight && captionIsCode && holdsColour)
            PopupCodeMenu(lblPickerCaption, pnlPickerColor->Color());
    };
    lblPickerCaption->OnContextPopup = [this] {
        if (captionIsCode && holdsColour) PopupCodeMenu(lblPickerCaption, pnlPickerColor->Color());
    };

    Screen()->setCursor(crEyedropper,
                        QCursor(LoadPicture(":/forms/cursors/eyedropper.png"), 0, 15));
}

void TfrmScreenPicker::startPicking() {
    lastPointer = desktop().nativeCursorPos();
    dragging = true;
    codeWanted = false;
    asked = false;
    const ScreenRead read = desktop().beginScreenRead(
        lastPointer, [this](const ScreenRead& changed) { screenReadChanged(changed); });
    screenReadChanged(read);
}

void TfrmScreenPicker::stopPicking() {
    dragging = false;
    // A picture still on its way is used where the button came up.
    if (reading == ScreenRead::State::Frozen) desktop().endScreenRead();
}

void TfrmScreenPicker::beginKeyPicking() {
    startPicking();
    dragging = false;
    keyPicking = true;
    if (reading == ScreenRead::State::Live) sampleAt(lastPointer, true);
}

void TfrmScreenPicker::moveKeyPoint(int dx, int dy) {
    if (!keyPicking) return;
    lastPointer = desktop().warpPointer(lastPointer + QPoint(dx, dy));
    if (reading == ScreenRead::State::Live || reading == ScreenRead::State::Frozen)
        sampleAt(lastPointer, true);
}

void TfrmScreenPicker::takeKeyColour() {
    if (!keyPicking) return;
    keyPicking = false;
    stopPicking();
    pnlPickerColorClick();
}

void TfrmScreenPicker::cancelKeyPicking() {
    if (!keyPicking) return;
    keyPicking = false;
    stopPicking();
    Hide();
}

void TfrmScreenPicker::sampleScreen(bool showCode) {
    lastPointer = desktop().nativeCursorPos();
    codeWanted = codeWanted || showCode;
    if (reading == ScreenRead::State::Live || reading == ScreenRead::State::Frozen)
        sampleAt(lastPointer, showCode);
}

// The device pixel under the pointer's hot spot, and the device pixels
// around it enlarged: on a scaled screen every one of them can be picked.
// One read serves both.
void TfrmScreenPicker::sampleAt(QPoint pointer, bool showCode) {
    const int w = imgMagnifier->Width();
    const int h = imgMagnifier->Height();
    const QRect source(pointer - QPoint(w / 12, h / 12), QSize(w / 6, h / 6));
    // Where the desktop enlarges the pixels itself, only the colour comes
    // back; elsewhere they are read and enlarged here.
    std::optional<QRgb> colour = desktop().showEnlarged(imgMagnifier, imgTarget, source, pointer);
    std::optional<QImage> around;
    if (!colour) {
        around = desktop().grabScreen(source);
        if (!around) {
            reading = ScreenRead::State::Unreadable;
            screenReadChanged({reading, {}});
            return;
        }
        colour = around->pixel(w / 12, h / 12);
    }
    showMagnifier();
    holdsColour = true;
    if (!captionIsCode) {
        // The last message is over; a press alone shows no code yet.
        lblPickerCaption->setColor(BlankColor);
        lblPickerCaption->setCaption("");
        captionIsCode = true;
    }
    pnlPickerColor->setColor(fromQRgb(*colour));
    if (showCode) {
        lblPickerCaption->setColor(clWhite);
        lblPickerCaption->setCaption(ColorToCode(pnlPickerColor->Color()));
        captionIsCode = true;
        announceAfterPause(toQString(lblPickerCaption->Caption()));
    }
    if (!around) return;
    imgMagnifier->setBitmapSize(w, h);
    enlargeInto(imgMagnifier->Bitmap(), *around);
    imgMagnifier->Repaint();
}

void TfrmScreenPicker::pnlPickerColorClick() {
    if (!holdsColour) return;
    emit colourChosen(pnlPickerColor->Color());
    announce(tr("Taken, %1").arg(toQString(ColorToCode(pnlPickerColor->Color()))));
}

void TfrmScreenPicker::lblPickerCaptionClick() {
    // A message is not a code to paste anywhere.
    if (!captionIsCode) return;
    CopyCode(lblPickerCaption);
}

void TfrmScreenPicker::pnlPickerColorMouseMove(TShiftState, int, int) {
    if (captionIsCode && !lblPickerCaption->Caption().empty())
        pnlPickerColor->setCursorNumber(crEyedropper);
}
