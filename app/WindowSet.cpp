#include "app/WindowSet.h"

#include "app/RecentColours.h"
#include "book/TfrmHuevella.h"
#include "card/TfrmSwatchCard.h"
#include "core/book/InterruptedSave.h"
#include "core/book/Recovery.h"
#include "forms/CodeMenu.h"
#include "palette/TfrmColorPalette.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/SessionEnd.h"
#include "platform/forms/Application.h"
#include "platform/forms/Forms.h"
#include "schemes/TfrmSuggestSchemes.h"
#include "slider/TfrmMivoSlider.h"

#include <QTimer>

#include <exception>
#include <memory>

// Each window is made when it is first wanted, and wired to the others as it
// is made; a signal reaches a window not yet made by making it.
namespace {
// How long the rest of the program waits for a pick to hold, at most.
constexpr int HoldWait = 300;

TfrmScreenPicker* picker();
TfrmSwatchCard* card();
TfrmMivoSlider* slider();
TfrmColorPalette* palette();
TfrmSuggestSchemes* schemes();

// Every road a colour takes to the card: the book's pallet holds it, with
// its code in the book's form, and where it was chosen for the card the
// card comes out to receive it.
void takeColour(TColor colour, bool showCard) {
    if (!frmHuevella) CreateWindowSet();
    if (showCard) {
        card()->Show();
        card()->raise();
    }
    frmHuevella->pallet.SetColor(colour);
    frmHuevella->pallet.SetCode(ColorToCode(colour));
    RememberColour(colour);
}

void placeCompanions() {
    if (!frmHuevella) return;
    for (TForm* window : frmHuevella->companions.made())
        frmHuevella->placeCompanion(window);
}

template <class Form> Form* made(Form*& form, void (*wire)(Form*)) {
    if (!form) {
        const BuildingForms building;
        Application->CreateSideForm(form);
        wire(form);
        if (frmHuevella) frmHuevella->placeCompanion(form);
    }
    return form;
}

TfrmScreenPicker* picker() {
    return made<TfrmScreenPicker>(frmScreenPicker, [](TfrmScreenPicker* picker) {
        const auto forCard = [](TColor colour) { takeColour(colour, true); };
        QObject::connect(picker, &TfrmScreenPicker::colourChosen, picker, forCard);
        QObject::connect(picker, &TfrmScreenPicker::colourTaken, picker,
                         [](TColor colour) { takeColour(colour, false); });
        QObject::connect(picker, &TfrmScreenPicker::colourKept, picker,
                         [](TColor colour, int slot) {
                             takeColour(colour, true);
                             card()->fillSlotNumber(slot);
                         });
        QObject::connect(picker, &TfrmScreenPicker::dockWanted, picker, [] {
            if (frmHuevella) frmHuevella->placeCompanion(frmScreenPicker);
        });
        if (frmHuevella) frmHuevella->eyedropper = picker;
    });
}

TfrmSwatchCard* card() {
    return made<TfrmSwatchCard>(frmSwatchCard, [](TfrmSwatchCard* card) {
        card->pallet = &frmHuevella->pallet;
        QObject::connect(card, &TfrmSwatchCard::adjustWanted, card,
                         [](TPanel* panel, TLabel* caption, QPoint place) {
                             slider()->adjust(panel, caption, place);
                         });
        QObject::connect(card, &TfrmSwatchCard::cardMade, card, [](const Huevella& made) {
            if (frmHuevella->takeCard(made) == BookState::AddResult::Full)
                frmSwatchCard->offerNewBook();
        });
        QObject::connect(card, &TfrmSwatchCard::newBookWanted, card,
                         [] { frmHuevella->replaceFullBook(); });
    });
}

TfrmMivoSlider* slider() {
    return made<TfrmMivoSlider>(frmMivoSlider, [](TfrmMivoSlider* slider) {
        QObject::connect(slider, &TfrmMivoSlider::adjustEnded, slider, [] { card()->SetFocus(); });
    });
}

TfrmColorPalette* palette() {
    return made<TfrmColorPalette>(frmColorPalette, [](TfrmColorPalette* palette) {
        // The schemes hear of every change once they are out; the toggle
        // tells them the colour when they first come.
        QObject::connect(palette, &TfrmColorPalette::colourChanged, palette,
                         [](TColor base, int h, int s, int l) {
                             if (frmSuggestSchemes) frmSuggestSchemes->UpdateSchemes(base, h, s, l);
                         });
        QObject::connect(palette, &TfrmColorPalette::schemesToggled, palette,
                         [] { schemes()->toggleShown(); });
        QObject::connect(palette, &TfrmColorPalette::colourChosen, palette,
                         [](TColor colour) { takeColour(colour, true); });
    });
}

TfrmSuggestSchemes* schemes() {
    return made<TfrmSuggestSchemes>(frmSuggestSchemes, [](TfrmSuggestSchemes* schemes) {
        QObject::connect(schemes, &TfrmSuggestSchemes::colourChosen, schemes,
                         [](TColor colour) { takeColour(colour, true); });
    });
}

void makeBook() {
    const BuildingForms building;
    Application->CreateForm(frmHuevella);
    // The palette before the schemes: the schemes are placed from it.
    frmHuevella->companions.set({
        {[]() -> TForm* { return picker(); }, [] { return static_cast<TForm*>(frmScreenPicker); },
         Dock::BelowBook, [] { return frmScreenPicker && frmScreenPicker->ScreenPicking(); }},
        {[]() -> TForm* { return card(); }, [] { return static_cast<TForm*>(frmSwatchCard); },
         Dock::AboveBook},
        {[]() -> TForm* { return palette(); }, [] { return static_cast<TForm*>(frmColorPalette); },
         Dock::BesidePaletteButton},
        {[]() -> TForm* { return schemes(); },
         [] { return static_cast<TForm*>(frmSuggestSchemes); }, Dock::OnPalette},
        {[]() -> TForm* { return slider(); }, [] { return static_cast<TForm*>(frmMivoSlider); },
         Dock::AtCardSlot},
    });
    frmHuevella->eyedropper = frmScreenPicker;
    frmHuevella->makeEyedropper = []() -> Eyedropper* { return picker(); };
    QObject::connect(frmHuevella, &TfrmHuevella::pickWanted, frmHuevella, [] {
        picker()->pickFromScreen({CodeForm::Hex, {}}, {});
    });
    // A recent colour chosen is taken again, and copied as the last code was.
    QObject::connect(frmHuevella, &TfrmHuevella::recentColourChosen, frmHuevella,
                     [](TColor colour) {
                         takeColour(colour, false);
                         desktop().setClipboardText(
                             QString::fromStdString(codeInForm(colour, LastCopiedForm())));
                     });
    ShowRecentColours();
    // A picker made for a pick before the book goes beside it now.
    placeCompanions();
}
} // namespace

void CreateWindowSet() {
    if (frmHuevella) return;
    makeBook();
    // Every window a loaded book touches exists now.
    safeCall([] { frmHuevella->loadCommandLineBook(); });
    TForm::whenPlacementIgnored(placeCompanions);
}

void MakeEveryWindow() {
    CreateWindowSet();
    picker();
    card();
    slider();
    palette();
    schemes();
}

void PickFromAnywhere(const CodeFormat& form, int average,
                      std::function<void(const PickOutcome&)> done) {
    if (average) picker()->chooseSampleSize(average);
    picker()->pickFromScreen(form, std::move(done));
}

void CancelPickFromAnywhere() {
    if (frmScreenPicker) frmScreenPicker->cancelScreenPick();
}

void WhenPickHolds(const std::function<void()>& then) {
    auto once = std::make_shared<std::function<void()>>(then);
    const auto run = [once] {
        if (!*once) return;
        const std::function<void()> now = std::move(*once);
        *once = nullptr;
        safeCall(now);
    };
    if (!frmScreenPicker) {
        run();
        return;
    }
    QObject::connect(frmScreenPicker, &TfrmScreenPicker::pickHolds, frmScreenPicker, run,
                     Qt::QueuedConnection);
    // A desktop that asks the person first holds nothing for a while: the
    // rest does not wait for that.
    QTimer::singleShot(HoldWait, frmScreenPicker, run);
}

namespace {
template <class T> void destroy(T*& form) {
    delete form;
    form = nullptr;
}
} // namespace

void DestroyWindowSet() {
    TForm::whenPlacementIgnored({});
    if (frmHuevella) frmHuevella->eyedropper = nullptr;
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

bool RecoveryWaiting() {
    return !findInterruptedSaves().empty() || !findRecoveryCopies().empty();
}

void OfferRecovery() {
    frmHuevella->offerRecovery();
}

void OpenFromLauncher(const std::optional<std::string>& book, int dropped) {
    if (frmHuevella) safeCall([&] { frmHuevella->openFromLauncher(book, dropped); });
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
