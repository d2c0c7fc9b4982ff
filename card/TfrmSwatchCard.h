#pragma once

#include "core/book/Huevella.h"
#include "core/colour/Pallet.h"
#include "forms/FormDefs.h"
#include "platform/forms/Forms.h"

// The working card: three slots filled from the Pallet and added to the book.
class TfrmSwatchCard : public TForm {
    Q_OBJECT
public:
    static constexpr int crFill = Cursors::Fill;

    TfrmSwatchCard();

    TImage* imgCardSkin;
    TLabel* lblCardCaption1;
    TLabel* lblCardCaption2;
    TLabel* lblCardCaption3;
    TImage* imgAddToBook;
    TImage* imgCardClearCard;
    TImage* imgCardClearCardDisabled;
    TImage* imgAddToBookDisabled;
    TPanel* pnlCardColor1;
    TPanel* pnlCardColor2;
    TPanel* pnlCardColor3;

    // The colour a slot click takes; the window set gives the book's.
    const Pallet* pallet = nullptr;
    // The eleventh card: offers a new book in place of the full one.
    void offerNewBook();

    void FormCreate() override;

    // Slot 1, 2 or 3 filled as its click fills it.
    void fillSlotNumber(int slot);
    void pnlCardColor1Click() { fillSlot(pnlCardColor1, lblCardCaption1); }
    void pnlCardColor2Click() { fillSlot(pnlCardColor2, lblCardCaption2); }
    void pnlCardColor3Click() { fillSlot(pnlCardColor3, lblCardCaption3); }
    void pnlCardColor1MouseMove(TShiftState, int, int) { showFillCursor(pnlCardColor1); }
    void pnlCardColor2MouseMove(TShiftState, int, int) { showFillCursor(pnlCardColor2); }
    void pnlCardColor3MouseMove(TShiftState, int, int) { showFillCursor(pnlCardColor3); }
    void pnlCardColor1MouseDown(TMouseButton b, TShiftState, int, int) {
        openSlider(b, pnlCardColor1, lblCardCaption1);
    }
    void pnlCardColor2MouseDown(TMouseButton b, TShiftState, int, int) {
        openSlider(b, pnlCardColor2, lblCardCaption2);
    }
    void pnlCardColor3MouseDown(TMouseButton b, TShiftState, int, int) {
        openSlider(b, pnlCardColor3, lblCardCaption3);
    }
    void lblCardCaption1Click();
    void lblCardCaption2Click();
    void lblCardCaption3Click();
    void imgCardClearCardClick();
    void imgAddToBookClick();

signals:
    // A right click on a filled slot: the slider comes out at `place` to
    // adjust its colour and code.
    void adjustWanted(TPanel* panel, TLabel* caption, QPoint place);
    // Add to Book: the card as it stands, for the book to take.
    void cardMade(const Huevella& card);
    // The person chose a new book in place of the full one.
    void newBookWanted();

private:
    void bindControls();
    void bindEvents();
    void fillSlot(TPanel* panel, TLabel* caption);
    void showFillCursor(TPanel* panel);
    void openSlider(TMouseButton button, TPanel* panel, TLabel* caption);
    void setButtonsEnabled(bool enabled);
};

extern TfrmSwatchCard* frmSwatchCard;
