#include "forms/FormDefs.h"
#include "forms/FormParts.h"

using namespace formparts;

namespace {

constexpr auto Label = ControlKind::Label;
constexpr auto Edit = ControlKind::Edit;

// The top row's buttons are 28 x 21, the card row's 23 x 17.
ControlDef button(const char* name, int left, int top, const char* hint, const char* picture,
                  bool visible = true) {
    const bool small = top == 20;
    return image(name, left, top, small ? 23 : 28, small ? 17 : 21, hint, picture, visible);
}

ControlDef withKeys(ControlDef def, const char* keys) {
    def.keys = keys;
    return def;
}

} // namespace

const FormDef& bookFormDef() {
    static const FormDef def{
        .name = "frmHuevella",
        .caption = QT_TRANSLATE_NOOP("Forms", "Huevella"),
        .clientWidth = 186,
        .clientHeight = 124,
        .stayOnTop = true,
        .toolWindow = false,
        .controls =
            {
                image("imgBookSkin", 0, 0, 186, 124, "", ":/forms/book/skin.png"),
                caption("lblCaption1", 6, 37),
                caption("lblCaption2", 66, 37),
                caption("lblCaption3", 126, 37),
                {.kind = Label,
                 .name = "lblCardTitle",
                 .left = 51,
                 .top = 20,
                 .width = 86,
                 .height = 16,
                 .fontName = "Arial",
                 .fontPixels = 11,
                 .alignment = TAlignment::taCenter,
                 .layout = TTextLayout::tlCenter,
                 .shrinkToFit = true,
                 .keys = QT_TRANSLATE_NOOP("Forms", "Space renames the card")},
                withKeys(button("imgEyedropper", 0, 0,
                                QT_TRANSLATE_NOOP("Forms", "Drag Eyedropper to Choose Color"),
                                ":/forms/book/eyedropper.png"),
                         QT_TRANSLATE_NOOP("Forms", "Space picks: the arrow keys move, Enter "
                                                    "takes the colour, Escape cancels")),
                button("imgMenu", 131, 0, QT_TRANSLATE_NOOP("Forms", "Main Menu"),
                       ":/forms/book/menu.png"),
                button("imgCollapseCards", 27, 0, QT_TRANSLATE_NOOP("Forms", "Collapse Cards"),
                       ":/forms/book/collapse.png"),
                button("imgBookClearCardDisabled", 5, 20, QT_TRANSLATE_NOOP("Forms", "Clear Card"),
                       ":/forms/book/clear_disabled.png"),
                button("imgBookClearCard", 5, 20, QT_TRANSLATE_NOOP("Forms", "Clear Card"),
                       ":/forms/book/clear.png", false),
                button("imgPreviousCardDisabled", 27, 20,
                       QT_TRANSLATE_NOOP("Forms", "Previous Card"),
                       ":/forms/book/previous_disabled.png"),
                button("imgPreviousCard", 27, 20, QT_TRANSLATE_NOOP("Forms", "Previous Card"),
                       ":/forms/book/previous.png", false),
                button("imgNextCardDisabled", 136, 20, QT_TRANSLATE_NOOP("Forms", "Next Card"),
                       ":/forms/book/next_disabled.png"),
                button("imgNextCard", 136, 20, QT_TRANSLATE_NOOP("Forms", "Next Card"),
                       ":/forms/book/next.png", false),
                button("imgColorPalette", 158, 0, QT_TRANSLATE_NOOP("Forms", "Color Palette"),
                       ":/forms/book/palette.png"),
                button("imgSwatchCard", 27, 0, QT_TRANSLATE_NOOP("Forms", "Swatch Card"),
                       ":/forms/book/swatch.png"),
                colourPanel("pnlColor1", 6, 51),
                colourPanel("pnlColor2", 66, 51),
                colourPanel("pnlColor3", 126, 51),
                {.kind = Edit,
                 .name = "editCardTitle",
                 .left = 50,
                 .top = 21,
                 .width = 86,
                 .height = 15,
                 .visible = false,
                 .color = clWhite,
                 .fontName = "Arial",
                 .fontPixels = 11,
                 .maxLength = 18,
                 .hideSelection = false,
                 .shrinkToFit = true},
            },
        .menus = {{"mnuMainMenu",
                   {{"mnuPickFromScreen", QT_TRANSLATE_NOOP("Forms", "Pick from Screen"), true},
                    {"mnuRecentColours", QT_TRANSLATE_NOOP("Forms", "Recent Colours"), true},
                    {"mnuOpen", QT_TRANSLATE_NOOP("Forms", "Open"), false, "Ctrl+O"},
                    {"mnuNew", QT_TRANSLATE_NOOP("Forms", "New"), false, "Ctrl+N"},
                    {"mnuSave", QT_TRANSLATE_NOOP("Forms", "Save"), false, "Ctrl+S"},
                    {"mnuSaveAs", QT_TRANSLATE_NOOP("Forms", "Save As"), false, "Ctrl+Shift+S"},
                    {"mnuExport", QT_TRANSLATE_NOOP("Forms", "Export…"), false},
                    {"mnuImport", QT_TRANSLATE_NOOP("Forms", "Import…"), false},
                    {"mnuPreview", QT_TRANSLATE_NOOP("Forms", "Preview Files"), true},
                    {"mnuBreak", "-", true},
                    {"mnuSystemTray", QT_TRANSLATE_NOOP("Forms", "To System Tray"), true},
                    {"mnuExit", QT_TRANSLATE_NOOP("Forms", "Exit"), true}}}},
        .dialogs = {{"dlgOpen", false, QT_TRANSLATE_NOOP("Forms", "Huevella Files (*.hvz)|*.hvz"),
                     "hvz", false, QT_TRANSLATE_NOOP("Forms", "Open")},
                    {"dlgSaveAs", true, QT_TRANSLATE_NOOP("Forms", "Huevella File (*.hvz)|*.hvz"),
                     "hvz", true, QT_TRANSLATE_NOOP("Forms", "Save As")},
                    // The file written may have an extension added after the
                    // dialog closes: the question about replacing it is ours.
                    {"dlgExport", true,
                     QT_TRANSLATE_NOOP(
                         "Forms", "GIMP Palette (*.gpl)|*.gpl|Adobe Swatch Exchange (*.ase)|*.ase|"
                                  "CSS Custom Properties (*.css)|*.css|JSON (*.json)|*.json"),
                     "", false, QT_TRANSLATE_NOOP("Forms", "Export")},
                    {"dlgImport", false, QT_TRANSLATE_NOOP("Forms", "GIMP Palette (*.gpl)|*.gpl"),
                     "gpl", false, QT_TRANSLATE_NOOP("Forms", "Import")}},
        .f6Place = 1,
    };
    return def;
}
