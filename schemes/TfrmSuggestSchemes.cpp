#include "schemes/TfrmSuggestSchemes.h"

#include "core/colour/Conversions.h"
#include "core/schemes/SchemeRules.h"
#include "forms/FormDefs.h"

TfrmSuggestSchemes* frmSuggestSchemes = nullptr;

TfrmSuggestSchemes::TfrmSuggestSchemes() : TForm(suggestSchemesFormDef()) {
    imgSchemesSkin = control<TImage>("imgSchemesSkin");
    ScrollBox1 = control<TScrollBox>("ScrollBox1");
    pnlScheme1Color1Outline = control<TPanel>("pnlScheme1Color1Outline");
    pnlScheme1Color2Outline = control<TPanel>("pnlScheme1Color2Outline");
    pnlScheme1Color3Outline = control<TPanel>("pnlScheme1Color3Outline");
    pnlScheme2Color1Outline = control<TPanel>("pnlScheme2Color1Outline");
    pnlScheme2Color2Outline = control<TPanel>("pnlScheme2Color2Outline");
    pnlScheme2Color3Outline = control<TPanel>("pnlScheme2Color3Outline");
    pnlScheme3Color1Outline = control<TPanel>("pnlScheme3Color1Outline");
    pnlScheme3Color2Outline = control<TPanel>("pnlScheme3Color2Outline");
    pnlScheme3Color3Outline = control<TPanel>("pnlScheme3Color3Outline");
    pnlScheme4Color1Outline = control<TPanel>("pnlScheme4Color1Outline");
    pnlScheme4Color2Outline = control<TPanel>("pnlScheme4Color2Outline");
    pnlScheme4Color3Outline = control<TPanel>("pnlScheme4Color3Outline");
    pnlScheme1Color1 = control<TPanel>("pnlScheme1Color1");
    pnlScheme1Color2 = control<TPanel>("pnlScheme1Color2");
    pnlScheme1Color3 = control<TPanel>("pnlScheme1Color3");
    pnlScheme2Color1 = control<TPanel>("pnlScheme2Color1");
    pnlScheme2Color2 = control<TPanel>("pnlScheme2Color2");
    pnlScheme2Color3 = control<TPanel>("pnlScheme2Color3");
    pnlScheme3Color1 = control<TPanel>("pnlScheme3Color1");
    pnlScheme3Color2 = control<TPanel>("pnlScheme3Color2");
    pnlScheme3Color3 = control<TPanel>("pnlScheme3Color3");
    pnlScheme4Color1 = control<TPanel>("pnlScheme4Color1");
    pnlScheme4Color2 = control<TPanel>("pnlScheme4Color2");
    pnlScheme4Color3 = control<TPanel>("pnlScheme4Color3");
    pnlScheme1Color1->OnClick = [this] { pnlScheme1Color1Click(); };
    pnlScheme1Color1->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme1Color1MouseMove(sh, x, y);
    };
    pnlScheme1Color2->OnClick = [this] { pnlScheme1Color2Click(); };
    pnlScheme1Color2->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme1Color2MouseMove(sh, x, y);
    };
    pnlScheme1Color3->OnClick = [this] { pnlScheme1Color3Click(); };
    pnlScheme1Color3->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme1Color3MouseMove(sh, x, y);
    };
    pnlScheme2Color1->OnClick = [this] { pnlScheme2Color1Click(); };
    pnlScheme2Color1->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme2Color1MouseMove(sh, x, y);
    };
    pnlScheme2Color2->OnClick = [this] { pnlScheme2Color2Click(); };
    pnlScheme2Color2->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme2Color2MouseMove(sh, x, y);
    };
    pnlScheme2Color3->OnClick = [this] { pnlScheme2Color3Click(); };
    pnlScheme2Color3->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme2Color3MouseMove(sh, x, y);
    };
    pnlScheme3Color1->OnClick = [this] { pnlScheme3Color1Click(); };
    pnlScheme3Color1->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme3Color1MouseMove(sh, x, y);
    };
    pnlScheme3Color2->OnClick = [this] { pnlScheme3Color2Click(); };
    pnlScheme3Color2->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme3Color2MouseMove(sh, x, y);
    };
    pnlScheme3Color3->OnClick = [this] { pnlScheme3Color3Click(); };
    pnlScheme3Color3->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme3Color3MouseMove(sh, x, y);
    };
    pnlScheme4Color1->OnClick = [this] { pnlScheme4Color1Click(); };
    pnlScheme4Color1->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme4Color1MouseMove(sh, x, y);
    };
    pnlScheme4Color2->OnClick = [this] { pnlScheme4Color2Click(); };
    pnlScheme4Color2->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme4Color2MouseMove(sh, x, y);
    };
    pnlScheme4Color3->OnClick = [this] { pnlScheme4Color3Click(); };
    pnlScheme4Color3->OnMouseMove = [this](TShiftState sh, int x, int y) {
        pnlScheme4Color3MouseMove(sh, x, y);
    };
}

std::array<TPanel*, 12> TfrmSuggestSchemes::colours() const {
    return {pnlScheme1Color1, pnlScheme1Color2, pnlScheme1Color3, pnlScheme2Color1,
            pnlScheme2Color2, pnlScheme2Color3, pnlScheme3Color1, pnlScheme3Color2,
            pnlScheme3Color3, pnlScheme4Color1, pnlScheme4Color2, pnlScheme4Color3};
}

void TfrmSuggestSchemes::UpdateSchemes(TColor base, int hue, int sat, int lum) {
    const std::array<SchemeHsl, 8> derived = derivedColours(hue, sat, lum);
    const std::array<TPanel*, 12> panels = colours();
    // Colour 1 of each scheme is the palette's own; the other two are the
    // next derived colours.
    for (int scheme = 0; scheme < 4; ++scheme) {
        panels[scheme * 3]->setColor(base);
        for (int k = 1; k <= 2; ++k) {
            const SchemeHsl& c = derived[scheme * 2 + k - 1];
            panels[scheme * 3 + k]->setColor(HslToColor(float(c.lum), float(c.sat), float(c.hue)));
        }
    }
}

void TfrmSuggestSchemes::toggleShown() {
    if (Visible())
        Hide();
    else
        Show();
}

void TfrmSuggestSchemes::takeColour(TPanel* panel) {
    emit colourChosen(panel->Color());
}

void TfrmSuggestSchemes::showEyedropper(TPanel* panel) {
    panel->setCursorNumber(Cursors::Eyedropper);
}
