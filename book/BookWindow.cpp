#include "book/TfrmHuevella.h"
#include "forms/CodeMenu.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Pointer.h"

#include <algorithm>
#include <vector>

void TfrmHuevella::imgBookSkinMouseDown(TMouseButton, TShiftState shift, int, int) {
    if (!(shift & ssLeft)) return;
    // The docked ones go while the book moves and come back where it ends
    // up; the slider stays with its card slot.
    std::vector<TForm*> shown;
    for (const Companions::Entry& entry : companions.entries()) {
        if (!entry.docked()) continue;
        if (entry.window->Visible()) shown.push_back(entry.window);
        entry.window->Hide();
    }
    ReleaseMouseGrab();
    desktop().captionDrag(this);
    for (const Companions::Entry& entry : companions.entries()) {
        placeCompanion(entry.window);
        if (std::find(shown.begin(), shown.end(), entry.window) != shown.end())
            entry.window->Show();
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
    if (retitleCard(currentCard, editCardTitle->Text())) bookChanged(BookEvent::Retitled);
    lblCardTitle->setCaption(cards[currentCard].getTitle());
}
