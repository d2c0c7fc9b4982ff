#include "forms/FormDefs.h"
#include "forms/FormParts.h"

using namespace formparts;

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
                image("imgTarget", 6, 17, 111, 79, "", ":/forms/picker/target.png"),
                colourPanel("pnlPickerColor", 126, 31),
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
