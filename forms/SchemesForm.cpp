#include "forms/FormDefs.h"
#include "forms/FormParts.h"

using namespace formparts;

namespace {

// The frame around a scheme colour, inside the scroll box.
ControlDef outline(const char* name, int left, int top) {
    return {.kind = ControlKind::Panel,
            .name = name,
            .left = left,
            .top = top,
            .width = 33,
            .height = 32,
            .color = 13024187,
            .parent = "ScrollBox1"};
}

// A scheme colour, white until the schemes are first worked out.
ControlDef colour(const char* name, int left, int top) {
    return {.kind = ControlKind::Panel,
            .name = name,
            .left = left,
            .top = top,
            .width = 31,
            .height = 30,
            .color = clWhite,
            .parent = "ScrollBox1"};
}

} // namespace

const FormDef& suggestSchemesFormDef() {
    static const FormDef def{
        .name = "frmSuggestSchemes",
        .caption = QT_TRANSLATE_NOOP("Forms", "Suggested Color Schemes"),
        .clientWidth = 144,
        .clientHeight = 62,
        .stayOnTop = false,
        .toolWindow = true,
        .controls =
            {
                image("imgSchemesSkin", 0, 0, 144, 62, "", ":/forms/schemes/skin.png"),
                {.kind = ControlKind::ScrollBox,
                 .name = "ScrollBox1",
                 .left = 6,
                 .top = 17,
                 .width = 132,
                 .height = 39,
                 .color = clWhite,
                 .rangeWidth = 111,
                 .rangeHeight = 147},
                outline("pnlScheme1Color1Outline", 4, 4),
                outline("pnlScheme1Color2Outline", 41, 4),
                outline("pnlScheme1Color3Outline", 78, 4),
                outline("pnlScheme2Color1Outline", 4, 40),
                outline("pnlScheme2Color2Outline", 41, 40),
                outline("pnlScheme2Color3Outline", 78, 40),
                outline("pnlScheme3Color1Outline", 4, 76),
                outline("pnlScheme3Color2Outline", 41, 76),
                outline("pnlScheme3Color3Outline", 78, 76),
                outline("pnlScheme4Color1Outline", 4, 112),
                outline("pnlScheme4Color2Outline", 41, 112),
                outline("pnlScheme4Color3Outline", 78, 112),
                colour("pnlScheme1Color1", 5, 5),
                colour("pnlScheme1Color2", 42, 5),
                colour("pnlScheme1Color3", 79, 5),
                colour("pnlScheme2Color1", 5, 41),
                colour("pnlScheme2Color2", 42, 41),
                colour("pnlScheme2Color3", 79, 41),
                colour("pnlScheme3Color1", 5, 77),
                colour("pnlScheme3Color2", 42, 77),
                colour("pnlScheme3Color3", 79, 77),
                colour("pnlScheme4Color1", 5, 113),
                colour("pnlScheme4Color2", 42, 113),
                colour("pnlScheme4Color3", 79, 113),
            },
        .menus = {},
        .f6Place = 4,
    };
    return def;
}
