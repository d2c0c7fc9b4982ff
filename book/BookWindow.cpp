#include "book/TfrmHuevella.h"
#include "forms/CodeMenu.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Pointer.h"

#include "card/TfrmSwatchCard.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "schemes/TfrmSuggestSchemes.h"

void TfrmHuevella::imgBookSkinMouseDown(TMouseButton, TShiftState shift, int, int) {
    if (!(shift & ssLeft)) return;
    // The palette before the schemes: the schemes are placed from it.
    TForm* const companions[] = {frmScreenPicker, frmSwatchCard, frmColorPalette,
                                 frmSuggestSchemes};
    bool wasVisible[4];
    for (int i = 0; i < 4; ++i) {
        wasVisible[i] = companions[i]->Visible();
        companions[i]->Hide();
    }
    ReleaseMouseGrab();
    desktop().captionDrag(this);
    for (int i = 0; i < 4; ++i) {
        placeCompanion(companions[i]);
        if (wasVisible[i]) companions[i]->Show();
    }
}

void TfrmHuevella::lblCaption1Click() {
    CopyCode(lblCaption1);
}
void TfrmHuevella::lblCaption2Click() {
    CopyCode(lblCaption2);
}
void TfrmHuevella::lblCaption3Click() {
    CopyCode(lblCaption3);
}

void TfrmHuevella::lblCardTitleClick() {
    if (lblCardTitle->Caption().empty()) return;
    editCardTitle->Show();
    editCardTitle->SetFocus();
    editCardTitle->setTextValue(cards[currentCard].getTitle());
    editCardTitle->SelectAll();
}

void TfrmHuevella::editCardTitleKeyPress(char& key) {
    if (key != '\r') return;
    key = 0;
    editCardTitle->Hide();
    // The book may have emptied while the box was open: nothing to name.
    if (lastCard < 0 || currentCard < 0) return;

    // A title must survive the book file, which drops leading blanks and
    // cannot hold an empty title: such a text keeps the old title.
    const std::string title = fitTitle(editCardTitle->Text());
    Huevella& card = cards[currentCard];
    if (!title.empty() && title != card.getTitle()) {
        card.setTitle(title);
        // A renamed card is a change like any other: closing must ask.
        modified = true;
        mnuSave->setEnabled(true);
    }
    lblCardTitle->setCaption(card.getTitle());
}
