#pragma once

#include "core/colour/TColor.h"
#include "platform/forms/Forms.h"
#include "platform/forms/ScrollBox.h"

#include <array>

// The suggested colour schemes: four schemes of three colours, the first of
// each the palette's colour, the others worked out from its hue, saturation
// and luminance.
class TfrmSuggestSchemes : public TForm {
    Q_OBJECT
public:
    TfrmSuggestSchemes();
    QString ControlJob(const QWidget* control) const override {
        if (control->objectName() == QLatin1String("ScrollBox1")) return tr("Schemes");
        return {};
    }
    // The frame around each colour only draws.
    bool ControlIsDecoration(const QWidget* control) const override {
        return control->objectName().endsWith(QLatin1String("Outline"));
    }

    TImage* imgSchemesSkin;
    TScrollBox* ScrollBox1;
    TPanel* pnlScheme1Color1Outline;
    TPanel* pnlScheme1Color2Outline;
    TPanel* pnlScheme1Color3Outline;
    TPanel* pnlScheme2Color1Outline;
    TPanel* pnlScheme2Color2Outline;
    TPanel* pnlScheme2Color3Outline;
    TPanel* pnlScheme3Color1Outline;
    TPanel* pnlScheme3Color2Outline;
    TPanel* pnlScheme3Color3Outline;
    TPanel* pnlScheme4Color1Outline;
    TPanel* pnlScheme4Color2Outline;
    TPanel* pnlScheme4Color3Outline;
    TPanel* pnlScheme1Color1;
    TPanel* pnlScheme1Color2;
    TPanel* pnlScheme1Color3;
    TPanel* pnlScheme2Color1;
    TPanel* pnlScheme2Color2;
    TPanel* pnlScheme2Color3;
    TPanel* pnlScheme3Color1;
    TPanel* pnlScheme3Color2;
    TPanel* pnlScheme3Color3;
    TPanel* pnlScheme4Color1;
    TPanel* pnlScheme4Color2;
    TPanel* pnlScheme4Color3;

    // Works the twelve colours out from the palette's, told after every
    // change of it, shown or not.
    void UpdateSchemes(TColor base, int hue, int sat, int lum);
    // Shown or put away, from the palette's button.
    void toggleShown();

    void pnlScheme1Color1Click() { takeColour(pnlScheme1Color1); }
    void pnlScheme1Color2Click() { takeColour(pnlScheme1Color2); }
    void pnlScheme1Color3Click() { takeColour(pnlScheme1Color3); }
    void pnlScheme2Color1Click() { takeColour(pnlScheme2Color1); }
    void pnlScheme2Color2Click() { takeColour(pnlScheme2Color2); }
    void pnlScheme2Color3Click() { takeColour(pnlScheme2Color3); }
    void pnlScheme3Color1Click() { takeColour(pnlScheme3Color1); }
    void pnlScheme3Color2Click() { takeColour(pnlScheme3Color2); }
    void pnlScheme3Color3Click() { takeColour(pnlScheme3Color3); }
    void pnlScheme4Color1Click() { takeColour(pnlScheme4Color1); }
    void pnlScheme4Color2Click() { takeColour(pnlScheme4Color2); }
    void pnlScheme4Color3Click() { takeColour(pnlScheme4Color3); }
    void pnlScheme1Color1MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme1Color1); }
    void pnlScheme1Color2MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme1Color2); }
    void pnlScheme1Color3MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme1Color3); }
    void pnlScheme2Color1MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme2Color1); }
    void pnlScheme2Color2MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme2Color2); }
    void pnlScheme2Color3MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme2Color3); }
    void pnlScheme3Color1MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme3Color1); }
    void pnlScheme3Color2MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme3Color2); }
    void pnlScheme3Color3MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme3Color3); }
    void pnlScheme4Color1MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme4Color1); }
    void pnlScheme4Color2MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme4Color2); }
    void pnlScheme4Color3MouseMove(TShiftState, int, int) { showEyedropper(pnlScheme4Color3); }

signals:
    // A colour was chosen here for the card: the window set takes it.
    void colourChosen(TColor colour);

private:
    // The colour panels in the order they are set: scheme 1 colours 1 to 3,
    // then schemes 2, 3 and 4.
    std::array<TPanel*, 12> colours() const;
    // Hands a scheme colour to the working card.
    void takeColour(TPanel* panel);
    static void showEyedropper(TPanel* panel);
};

extern TfrmSuggestSchemes* frmSuggestSchemes;
