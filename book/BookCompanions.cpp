// The windows docked around the book: placed beside it, shown and hidden
// with its buttons, moved with it.
#include "book/TfrmHuevella.h"

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
        TForm* window = entry.made();
        if (!entry.docked() || !window) continue;
        if (window->Visible()) shown.push_back(window);
        window->Hide();
    }
    ReleaseMouseGrab();
    desktop().captionDrag(this);
    for (TForm* window : companions.made()) {
        placeCompanion(window);
        if (std::find(shown.begin(), shown.end(), window) != shown.end()) window->Show();
    }
}

void TfrmHuevella::imgSwatchCardClick() {
    imgSwatchCard->Hide();
    imgCollapseCards->Show();
    if (TForm* card = companions.docked(Dock::AboveBook)) card->Show();
}

void TfrmHuevella::imgCollapseCardsClick() {
    imgCollapseCards->Hide();
    imgSwatchCard->Show();
    companions.hideDocked();
}

void TfrmHuevella::imgColorPaletteClick() {
    TForm* palette = companions.docked(Dock::BesidePaletteButton);
    if (!palette) return;
    if (palette->Visible())
        companions.hidePalette();
    else
        palette->Show();
    imgSwatchCard->Hide();
    imgCollapseCards->Show();
}

void TfrmHuevella::hideCompanionWindows() {
    // A pick from anywhere holds the pointer and the keyboard: the focus
    // can only have gone to its grab or with a window of ours (the last
    // pick's picker, put away late), never to the person's next program.
    companions.hideIdle();
    imgSwatchCard->Show();
    imgCollapseCards->Hide();
}

void TfrmHuevella::placeCompanion(TForm* companion) {
    // From where the book really is: a compositor may have put it elsewhere
    // than asked, and Qt's idea of it can lag.
    const QPoint book = desktop().windowPlace(this).value_or(pos());
    const Companions::Entry* entry = companions.find(companion);
    if (!entry) return;
    switch (entry->dock) {
    case Dock::BelowBook: companion->placeAt(book + QPoint(0, Height() - 1)); break;
    case Dock::AboveBook: companion->placeAt(book + QPoint(0, -companion->Height() + 1)); break;
    case Dock::BesidePaletteButton:
        companion->placeAt(book + QPoint(Width() - 1, imgColorPalette->Height() - 1));
        break;
    case Dock::OnPalette:
        if (const TForm* palette = companions.existing(Dock::BesidePaletteButton))
            companion->placeAt(QPoint(palette->Left() + palette->Width() - companion->Width(),
                                      palette->Top() - companion->Height() + 1));
        break;
    case Dock::AtCardSlot: break;
    }
}
