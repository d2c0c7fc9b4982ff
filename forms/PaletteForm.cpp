#include "forms/FormDefs.h"
#include "forms/FormParts.h"

using namespace formparts;

namespace {

// A value edit: white, no border, a caret where the click puts it.
ControlDef valueEdit(const char* name, int left, int top, int height, int maxLength, int tabOrder) {
    return {.kind = ControlKind::Edit,
            .name = name,
            .left = left,
            .top = top,
            .width = 20,
            .height = height,
            .color = clWhite,
            .fontName = "Small Fonts",
            .fontPixels = 9,
            .maxLength = maxLength,
            .autoSelect = false,
            .tabOrder = tabOrder};
}

ControlDef paintBox(const char* name, int left, int top, int width, int height) {
    return {.kind = ControlKind::PaintBox,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height};
}

} // namespace

const FormDef& colorPaletteFormDef() {
    static const FormDef def{
        .name = "frmColorPalette",
        .caption = QT_TRANSLATE_NOOP("Forms", "Color Palette"),
        .clientWidth = 186,
        .clientHeight = 104,
        .stayOnTop = false,
        .toolWindow = true,
        .controls =
            {
                image("imgPaletteBackground", 0, 0, 186, 104, "", ":/forms/palette/skin.png"),
                paintBox("CPpbxSatSlider", 1, 16, 4, 42),
                // Its values are typed in the edits: Tab passes it by.
                [] {
                    ControlDef def =
                        image("CPimgPalette", 6, 17, 160, 40, "", ":/forms/palette/huesat.png");
                    def.tabStop = false;
                    return def;
                }(),
                paintBox("CPpbxHueSlider", 5, 12, 162, 4),
                paintBox("CPpbxLumPalette", 172, 17, 8, 40),
                paintBox("CPpbxLumSlider", 179, 16, 5, 42),
                image("imgSuggestSchemes", 166, 0, 20, 17,
                      QT_TRANSLATE_NOOP("Forms", "Suggest Color Schemes"),
                      ":/forms/palette/schemes.png"),
                valueEdit("editRed", 161, 61, 11, 3, 4),
                valueEdit("editGreen", 161, 75, 11, 3, 5),
                valueEdit("editBlue", 161, 89, 11, 3, 6),
                valueEdit("editHue", 122, 61, 10, 3, 1),
                valueEdit("editSat", 122, 75, 11, 0, 2),
                valueEdit("editLum", 122, 89, 11, 0, 3),
                {.kind = ControlKind::Edit,
                 .name = "editHex",
                 .left = 59,
                 .top = 74,
                 .width = 43,
                 .height = 13,
                 .color = clWhite,
                 .fontName = "Arial",
                 // Six wide digits ("DDDDDD") and the caret fit 43 pixels at 9.
                 .fontPixels = 9,
                 // A code as people paste it: "#3366CC", a space either side.
                 .maxLength = 9,
                 .autoSelect = false,
                 .tabOrder = 0},
                {.kind = ControlKind::Panel,
                 .name = "pnlSwatch",
                 .left = 6,
                 .top = 63,
                 .width = 35,
                 .height = 35,
                 .color = BlankColor,
                 .tabOrder = 7},
            },
        .menus = {},
        .f6Place = 3,
    };
    return def;
}
