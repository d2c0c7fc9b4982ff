#include "picker/TfrmScreenPicker.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "forms/FormDefs.h"
#include "platform/DeviceContext.h"

#include <QCursor>
#include <QPixmap>

TfrmScreenPicker* frmScreenPicker = nullptr;

TfrmScreenPicker::TfrmScreenPicker() : TForm(screenPickerFormDef()) {
    imgPickerBackground = control<TImage>("imgPickerBackground");
    lblPickerCaption = control<TLabel>("lblPickerCaption");
    pnlPickerColor = control<TPanel>("pnlPickerColor");
    imgMagnifier = control<TImage>("imgMagnifier");
    imgTarget = control<TImage>("imgTarget");
    // The overlay is drawn over the view and lets the clicks through.
    imgTarget->setAttribute(Qt::WA_TransparentForMouseEvents);

    pnlPickerColor->OnClick = [this] { pnlPickerColorClick(); };
    pnlPickerColor->OnMouseMove = [this](TShiftState s, int x, int y) {
        pnlPickerColorMouseMove(s, x, y);
    };
    lblPickerCaption->OnClick = [this] { lblPickerCaptionClick(); };

    Screen()->setCursor(crEyedropper, QCursor(LoadPicture(":/forms/cursors/eyedropper.png"), 0, 15));
}

void TfrmScreenPicker::FormCreate() {
    frmHuevella->placeCompanion(this);
}

void TfrmScreenPicker::sampleScreen(bool showCode) {
    HDC screen = GetDC(nullptr);
    TPoint pointer;
    GetCursorPos(&pointer);
    pnlPickerColor->setColor(TColor(GetPixel(screen, pointer.x, pointer.y)));
    if (showCode) {
        lblPickerCaption->setColor(clWhite);
        lblPickerCaption->setCaption(frmHuevella->ColorToCode(pnlPickerColor->Color()));
    }
    const int w = imgMagnifier->Width();
    const int h = imgMagnifier->Height();
    imgMagnifier->setBitmapSize(w, h);
    StretchBlt(imgMagnifier->CanvasHandle(), 0, 0, w, h, screen, pointer.x - w / 12,
               pointer.y - h / 12, w / 6, h / 6, SRCCOPY);
    ReleaseDC(nullptr, screen);
    imgMagnifier->Repaint();
}

void TfrmScreenPicker::pnlPickerColorClick() {
    frmSwatchCard->Show();
    frmSwatchCard->raise();
    const TColor color = pnlPickerColor->Color();
    frmHuevella->pallet.SetColor(color);
    frmHuevella->pallet.SetCode(frmHuevella->ColorToCode(color));
}

void TfrmScreenPicker::lblPickerCaptionClick() {
    Clipboard().setAsText(lblPickerCaption->Caption());
}

void TfrmScreenPicker::pnlPickerColorMouseMove(TShiftState, int, int) {
    if (!lblPickerCaption->Caption().empty()) pnlPickerColor->setCursorNumber(crEyedropper);
}
