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
    lblPickerSample = control<TLabel>("lblPickerSample");
    lblPickerZoom = control<TLabel>("lblPickerZoom");
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

    readKeptChoices();
    drawTarget();
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
    keyKept = 0;
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

void TfrmScreenPicker::takeKeyColour(bool goOn) {
    if (!keyPicking || !holdsColour) return;
    // Several in one go: each to the card's next slot, the last one too.
    if (goOn || keyKept > 0) {
        const TColor color = pnlPickerColor->Color();
        const int slot = keyKept++ % 3 + 1;
        emit colourKept(color, slot);
        const QString code = toQString(ColorToCode(color));
        if (goOn) {
            announce(tr("Taken, %1, as card colour %2; picking goes on").arg(code).arg(slot));
            return;
        }
        announce(tr("Taken, %1").arg(code));
        keyPicking = false;
        keyKept = 0;
        stopPicking();
        return;
    }
    keyPicking = false;
    stopPicking();
    pnlPickerColorClick();
}

void TfrmScreenPicker::cancelKeyPicking() {
    if (!keyPicking) return;
    if (keyKept > 0) announce(tr("Done, taken: %1").arg(keyKept));
    keyKept = 0;
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

// The device pixels around the pointer's hot spot enlarged, and the colour
// of the one under it or the average of the square chosen: on a scaled
// screen every one of them can be picked. One read serves both.
void TfrmScreenPicker::sampleAt(QPoint pointer, bool showCode) {
    const Magnification m = magnification();
    const QRect source = m.source(pointer);
    const QRect sample = sampleSquare(pointer, sampleSize);
    // Where the desktop enlarges the pixels itself, only the sample comes
    // back; elsewhere they are read and enlarged here.
    std::optional<QImage> sampled =
        desktop().showEnlarged(imgMagnifier, imgTarget, m, pointer, sample);
    std::optional<QImage> around;
    if (!sampled) {
        const QRect both = source.united(sample);
        around = desktop().grabScreen(both);
        if (!around) {
            reading = ScreenRead::State::Unreadable;
            screenReadChanged({reading, {}});
            return;
        }
        sampled = around->copy(sample.translated(-both.topLeft()));
        if (both != source) around = around->copy(source.translated(-both.topLeft()));
    }
    const TColor colour = sampleColour(*sampled, sample);
    showMagnifier();
    holdsColour = true;
    if (!captionIsCode) {
        // The last message is over; a press alone shows no code yet.
        lblPickerCaption->setColor(BlankColor);
        lblPickerCaption->setCaption("");
        captionIsCode = true;
    }
    pnlPickerColor->setColor(colour);
    if (showCode) {
        lblPickerCaption->setColor(clWhite);
        lblPickerCaption->setCaption(ColorToCode(pnlPickerColor->Color()));
        captionIsCode = true;
        const QString code = toQString(lblPickerCaption->Caption());
        const int all = sampleSize * sampleSize;
        announceAfterPause(
            sampledPixels < all
                ? tr("%1, the average of the %2 pixels on the screen").arg(code).arg(sampledPixels)
                : code);
    }
    if (!around) return;
    imgMagnifier->setBitmapSize(m.view.width(), m.view.height());
    enlargeInto(imgMagnifier->Bitmap(), *around, m);
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
