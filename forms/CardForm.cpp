#include "forms/FormDefs.h"
#include "forms/FormParts.h"

using namespace formparts;

const FormDef& swatchCardFormDef() {
    static const char* const adjust = QT_TRANSLATE_NOOP("Forms", "Right Click to Adjust Color");
    static const char* const adjustKeys =
        QT_TRANSLATE_NOOP("Forms", "Space puts the colour taken here; the Menu key adjusts it");
    static const FormDef def{
        .name = "frmSwatchCard",
        .caption = QT_TRANSLATE_NOOP("Forms", "Swatch Card"),
        .clientWidth = 186,
        .clientHeight = 104,
        .stayOnTop = false,
        .toolWindow = true,
        .controls =
            {
                image("imgCardSkin", 0, 0, 186, 104, "", ":/forms/card/skin.png"),
                caption("lblCardCaption1", 6, 17),
                caption("lblCardCaption2", 66, 17),
                caption("lblCardCaption3", 126, 17),
                image("imgAddToBook", 157, 0, 23, 17,
                      QT_TRANSLATE_NOOP("Forms", "Add Card to Book"), ":/forms/card/add.png"),
                image("imgCardClearCard", 5, 0, 23, 17, QT_TRANSLATE_NOOP("Forms", "Clear Card"),
                      ":/forms/card/clear.png"),
                image("imgCardClearCardDisabled", 5, 0, 23, 17,
                      QT_TRANSLATE_NOOP("Forms", "Clear Card"), ":/forms/card/clear_disabled.png"),
                image("imgAddToBookDisabled", 157, 0, 23, 17,
                      QT_TRANSLATE_NOOP("Forms", "Add Card to Book"),
                      ":/forms/card/add_disabled.png"),
                colourPanel("pnlCardColor1", 6, 31, adjust, adjustKeys),
                colourPanel("pnlCardColor2", 66, 31, adjust, adjustKeys),
                colourPanel("pnlCardColor3", 126, 31, adjust, adjustKeys),
            },
        .menus = {},
        .f6Place = 2,
    };
    return def;
}
