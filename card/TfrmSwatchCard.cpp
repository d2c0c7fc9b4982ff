#include "card/TfrmSwatchCard.h"
#include "forms/CodeMenu.h"

#include "forms/FormDefs.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Announce.h"
#include "platform/forms/Application.h"
#include "platform/forms/ImageButton.h"

#include <QCursor>
#include <QPixmap>

TfrmSwatchCard* frmSwatchCard = nullptr;

TfrmSwatchCard::TfrmSwatchCard() : TForm(swatchCardFormDef()) {
    bindControls();
    bindEvents();
    Screen()->setCursor(crFill, QCursor(LoadPicture(":/forms/cursors/fill.png"), 0, 16));
}

void TfrmSwatchCard::bindControls() {
    imgCardSkin = control<TImage>("imgCardSkin");
    lblCardCaption1 = control<TLabel>("lblCardCaption1");
    lblCardCaption2 = control<TLabel>("lblCardCaption2");
    lblCardCaption3 = control<TLabel>("lblCardCaption3");
    imgAddToBook = control<TImage>("imgAddToBook");
    imgCardClearCard = control<TImage>("imgCardClearCard");
    imgCardClearCardDisabled = control<TImage>("imgCardClearCardDisabled");
    imgAddToBookDisabled = control<TImage>("imgAddToBookDisabled");
    pnlCardColor1 = control<TPanel>("pnlCardColor1");
    pnlCardColor2 = control<TPanel>("pnlCardColor2");
    pnlCardColor3 = control<TPanel>("pnlCardColor3");
}

void TfrmSwatchCard::bindEvents() {
    pnlCardColor1->OnClick = [this] { pnlCardColor1Click(); };
    pnlCardColor2->OnClick = [this] { pnlCardColor2Click(); };
    pnlCardColor3->OnClick = [this] { pnlCardColor3Click(); };
    pnlCardColor1->OnMouseMove = [this](TShiftState s, int x, int y) {
        pnlCardColor1MouseMove(s, x, y);
    };
    pnlCardColor2->OnMouseMove = [this](TShiftState s, int x, int y) {
        pnlCardColor2MouseMove(s, x, y);
    };
    pnlCardColor3->OnMouseMove = [this](TShiftState s, int x, int y) {
        pnlCardColor3MouseMove(s, x, y);
    };
    pnlCardColor1->OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        pnlCardColor1MouseDown(b, s, x, y);
    };
    pnlCardColor2->OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        pnlCardColor2MouseDown(b, s, x, y);
    };
    pnlCardColor3->OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        pnlCardColor3MouseDown(b, s, x, y);
    };
    lblCardCaption1->OnClick = [this] { lblCardCaption1Click(); };
    lblCardCaption2->OnClick = [this] { lblCardCaption2Click(); };
    lblCardCaption3->OnClick = [this] { lblCardCaption3Click(); };
    // Plain names, not structured bindings: clang 14 cannot capture those.
    for (const auto& slot :
         {std::pair{lblCardCaption1, pnlCardColor1}, std::pair{lblCardCaption2, pnlCardColor2},
          std::pair{lblCardCaption3, pnlCardColor3}}) {
        auto* const caption = slot.first;
        auto* const panel = slot.second;
        caption->OnMouseUp = [caption, panel](TMouseButton b, TShiftState, int, int) {
            if (b == TMouseButton::mbRight) PopupCodeMenu(caption, panel->Color());
        };
        caption->OnContextPopup = [caption, panel] { PopupCodeMenu(caption, panel->Color()); };
    }
    // The keyboard's right click on a slot opens the slider too.
    for (const auto& slot :
         {std::pair{pnlCardColor1, lblCardCaption1}, std::pair{pnlCardColor2, lblCardCaption2},
          std::pair{pnlCardColor3, lblCardCaption3}}) {
        auto* const panel = slot.first;
        auto* const caption = slot.second;
        panel->OnContextPopup = [this, panel, caption] {
            openSlider(TMouseButton::mbRight, panel, caption);
        };
    }
    imgCardClearCard->OnClick = [this] { imgCardClearCardClick(); };
    imgAddToBook->OnClick = [this] { imgAddToBookClick(); };
}

void TfrmSwatchCard::FormCreate() {
    // The faces under the disabled ones go, so that neither Tab nor a
    // screen reader finds a button that cannot be seen (Space on it would
    // run it).
    setButtonsEnabled(false);
}

void TfrmSwatchCard::setButtonsEnabled(bool enabled) {
    EnableImageButton(imgCardClearCard, imgCardClearCardDisabled, enabled);
    EnableImageButton(imgAddToBook, imgAddToBookDisabled, enabled);
}

void TfrmSwatchCard::fillSlot(TPanel* panel, TLabel* caption) {
    if (!pallet) return;
    panel->setColor(pallet->GetColor());
    caption->setCaption(pallet->GetCode());
    caption->setColor(FilledCaptionColor);
    if (!caption->Caption().empty()) setButtonsEnabled(true);
    announceName(panel);
}

void TfrmSwatchCard::fillSlotNumber(int slot) {
    if (slot == 1) pnlCardColor1Click();
    if (slot == 2) pnlCardColor2Click();
    if (slot == 3) pnlCardColor3Click();
}

void TfrmSwatchCard::showFillCursor(TPanel* panel) {
    if (pallet && !pallet->GetCode().empty()) panel->setCursorNumber(crFill);
}

void TfrmSwatchCard::openSlider(TMouseButton button, TPanel* panel, TLabel* caption) {
    if (button != TMouseButton::mbRight || caption->Caption().empty()) return;
    // From where the card really is: after a hide and show under a window
    // manager, Qt can take it to be at (0, 0).
    const QPoint card = desktop().windowPlace(this).value_or(pos());
    emit adjustWanted(panel, caption, card + QPoint(panel->Left() + 30, -25));
}

void TfrmSwatchCard::lblCardCaption1Click() {
    CopyCode(lblCardCaption1);
}
void TfrmSwatchCard::lblCardCaption2Click() {
    CopyCode(lblCardCaption2);
}
void TfrmSwatchCard::lblCardCaption3Click() {
    CopyCode(lblCardCaption3);
}

void TfrmSwatchCard::imgCardClearCardClick() {
    for (TLabel* caption : {lblCardCaption1, lblCardCaption2, lblCardCaption3}) {
        caption->setCaption("");
        caption->setColor(BlankColor);
    }
    for (TPanel* panel : {pnlCardColor1, pnlCardColor2, pnlCardColor3})
        panel->setColor(BlankColor);
    setButtonsEnabled(false);
}

void TfrmSwatchCard::imgAddToBookClick() {
    Huevella card;
    card.setColor1(pnlCardColor1->Color());
    card.setColor2(pnlCardColor2->Color());
    card.setColor3(pnlCardColor3->Color());
    card.setCaption1(lblCardCaption1->Caption());
    card.setCaption2(lblCardCaption2->Caption());
    card.setCaption3(lblCardCaption3->Caption());
    card.setCaptionColor1(lblCardCaption1->Color());
    card.setCaptionColor2(lblCardCaption2->Color());
    card.setCaptionColor3(lblCardCaption3->Color());
    emit cardMade(card);
}

void TfrmSwatchCard::offerNewBook() {
    const MessageAnswer answer = Application->MessageBox(
        fromQString(tr("Only ten cards are permitted in each huevella.\n Do you wish to open a "
                       "new book?")),
        "Brindlemark", MessageButtons::YesNo, MessageIcon::Warning);
    if (answer == MessageAnswer::Yes) emit newBookWanted();
}
