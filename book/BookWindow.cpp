#include "book/TfrmHuevella.h"

#include "forms/CodeMenu.h"

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
    if (retitleCard(currentCard, editCardTitle->Text())) bookChanged(BookEvent::Retitled);
    lblCardTitle->setCaption(cards[currentCard].getTitle());
}
