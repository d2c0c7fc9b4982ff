#include "app/WindowSet.h"

#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "core/book/Recovery.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/SessionEnd.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "schemes/TfrmSuggestSchemes.h"
#include "slider/TfrmMivoSlider.h"

#include <exception>

namespace {
// Every road a colour takes to the card: the book's pallet holds it, with
// its code in the book's form, and where it was chosen for the card the
// card comes out to receive it.
void takeColour(TColor colour, bool showCard) {
    if (showCard) {
        frmSwatchCard->Show();
        frmSwatchCard->raise();
    }
    frmHuevella->pallet.SetColor(colour);
    frmHuevella->pallet.SetCode(frmHuevella->ColorToCode(colour));
}

void placeCompanions() {
    if (!frmHuevella) return;
    for (const Companions::Entry& entry : frmHuevella->companions.entries())
        frmHuevella->placeCompanion(entry.window);
}

void wireWindows() {
    QObject::connect(frmSwatchCard, &TfrmSwatchCard::adjustWanted, frmMivoSlider,
                     &TfrmMivoSlider::adjust);
    QObject::connect(frmMivoSlider, &TfrmMivoSlider::adjustEnded, frmSwatchCard,
                     [] { frmSwatchCard->SetFocus(); });
    QObject::connect(frmColorPalette, &TfrmColorPalette::colourChanged, frmSuggestSchemes,
                     &TfrmSuggestSchemes::UpdateSchemes);
    QObject::connect(frmColorPalette, &TfrmColorPalette::schemesToggled, frmSuggestSchemes,
                     &TfrmSuggestSchemes::toggleShown);
    frmSwatchCard->pallet = &frmHuevella->pallet;
    QObject::connect(frmSwatchCard, &TfrmSwatchCard::cardMade, frmHuevella,
                     [](const Huevella& card) {
                         if (frmHuevella->takeCard(card) == BookState::AddResult::Full)
                             frmSwatchCard->offerNewBook();
                     });
    QObject::connect(frmSwatchCard, &TfrmSwatchCard::newBookWanted, frmHuevella,
                     &TfrmHuevella::replaceFullBook);
    QObject::connect(frmScreenPicker, &TfrmScreenPicker::dockWanted, frmHuevella,
                     [] { frmHuevella->placeCompanion(frmScreenPicker); });
    frmHuevella->eyedropper = frmScreenPicker;
    QObject::connect(frmHuevella, &TfrmHuevella::pickWanted, frmScreenPicker,
                     [] { frmScreenPicker->pickFromScreen(CodeForm::Hex, {}); });
    const auto forCard = [](TColor colour) { takeColour(colour, true); };
    QObject::connect(frmColorPalette, &TfrmColorPalette::colourChosen, frmHuevella, forCard);
    QObject::connect(frmSuggestSchemes, &TfrmSuggestSchemes::colourChosen, frmHuevella, forCard);
    QObject::connect(frmScreenPicker, &TfrmScreenPicker::colourChosen, frmHuevella, forCard);
    QObject::connect(frmScreenPicker, &TfrmScreenPicker::colourTaken, frmHuevella,
                     [](TColor colour) { takeColour(colour, false); });
}
} // namespace

void CreateWindowSet() {
    const BuildingForms building;
    Application->CreateForm(frmHuevella);
    Application->CreateForm(frmScreenPicker);
    Application->CreateForm(frmSwatchCard);
    Application->CreateForm(frmMivoSlider);
    Application->CreateForm(frmColorPalette);
    Application->CreateForm(frmSuggestSchemes);
    // The palette before the schemes: the schemes are placed from it.
    frmHuevella->companions.set({
        {frmScreenPicker, Dock::BelowBook, [] { return frmScreenPicker->ScreenPicking(); }},
        {frmSwatchCard, Dock::AboveBook},
        {frmColorPalette, Dock::BesidePaletteButton},
        {frmSuggestSchemes, Dock::OnPalette},
        {frmMivoSlider, Dock::AtCardSlot},
    });
    placeCompanions();
    wireWindows();
    // Every window a loaded book touches exists now.
    safeCall([] { frmHuevella->loadCommandLineBook(); });
    TForm::whenPlacementIgnored(placeCompanions);
}

namespace {
template <class T> void destroy(T*& form) {
    delete form;
    form = nullptr;
}
} // namespace

void DestroyWindowSet() {
    TForm::whenPlacementIgnored({});
    destroy(frmSuggestSchemes);
    destroy(frmColorPalette);
    destroy(frmMivoSlider);
    destroy(frmSwatchCard);
    destroy(frmScreenPicker);
    destroy(frmHuevella);
}

void RevealWithoutTray() {
    if (!desktop().systemTrayAvailable() && !frmHuevella->Visible()) frmHuevella->showFromTray();
}

void WatchBookAtSessionEnd() {
    watchSessionEnd(
        {[] { return frmHuevella ? frmHuevella->recoveryTask() : nullptr; },
         [](bool mayAsk) { return !frmHuevella || frmHuevella->sessionEnding(mayAsk); }});
}

int RunProgram(TApplication& application, const std::function<void()>& startUp) {
    try {
        startUp();
        const int status = application.Run();
        // A book that could be kept nowhere is lost: the end says so.
        return status == 0 && recoveryCopyLost() ? 1 : status;
    } catch (const std::exception& error) {
        application.ShowException(error);
        return 1;
    }
}
