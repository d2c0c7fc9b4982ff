#include "forms/FormDefs.h"
#include "forms/FormParts.h"

using namespace formparts;

namespace {
// Under the colour: what the eyedropper averages and how much it enlarges.
ControlDef sampleNote(const char* name, int left, int width, TAlignment alignment,
                      const char* hint) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = 85,
            .width = width,
            .height = 12,
            .hint = hint,
            .fontName = "Arial",
            .fontPixels = 9,
            .alignment = alignment,
            .layout = TTextLayout::tlCenter,
            .fontColor = 0xD8D0C8};
}
} // namespace

const FormDef& screenPickerFormDef() {
    static const FormDef def{
        .name = "frmScreenPicker",
        .caption = QT_TRANSLATE_NOOP("Forms", "Screen Picker"),
        .clientWidth = 186,
        .clientHeight = 104,
        .stayOnTop = false,
        .toolWindow = true,
        .controls =
            {
                image("imgPickerBackground", 0, 0, 186, 104, "", ":/forms/picker/skin.png"),
                caption("lblPickerCaption", 126, 17),
                image("imgMagnifier", 6, 17, 113, 81, "", ""),
                // Drawn for the enlargement and the square averaged.
                image("imgTarget", 6, 17, 113, 81, "", ""),
                [] {
                    ControlDef panel = colourPanel("pnlPickerColor", 126, 31);
                    panel.height = 53;
                    return panel;
                }(),
                sampleNote("lblPickerSample", 128, 30, TAlignment::taLeftJustify,
                           QT_TRANSLATE_NOOP("Forms", "Pixels averaged: the keys 1, 3, 5 and 7 "
                                                      "choose 1×1 to 7×7")),
                sampleNote("lblPickerZoom", 158, 20, TAlignment::taRightJustify,
                           QT_TRANSLATE_NOOP("Forms", "Enlargement: the wheel, or + and -, "
                                                      "changes it")),
                // Said in the magnifier's place when there is nothing to magnify.
                {.kind = ControlKind::Label,
                 .name = "lblPickerMessage",
                 .left = 10,
                 .top = 19,
                 .width = 105,
                 .height = 77,
                 .visible = false,
                 .fontName = "Arial",
                 .fontPixels = 11,
                 .alignment = TAlignment::taCenter,
                 .layout = TTextLayout::tlCenter,
                 .wordWrap = true,
                 .fontColor = 0xD8D0C8},
            },
        .menus = {},
        .f6Place = 5,
    };
    return def;
}
