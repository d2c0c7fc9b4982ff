#include "forms/FormDefs.h"

namespace {

constexpr auto Image = ControlKind::Image;
constexpr auto Label = ControlKind::Label;
constexpr auto Panel = ControlKind::Panel;
constexpr auto Edit = ControlKind::Edit;
constexpr auto Center = TAlignment::taCenter;
constexpr auto Middle = TTextLayout::tlCenter;
constexpr auto Top = TTextLayout::tlTop;

ControlDef caption(const char* name, int left, TTextLayout layout) {
    return {.kind = Label, .name = name, .left = left, .top = 37, .width = 54, .height = 15,
            .hint = "Click to Copy", .color = BlankColor, .fontName = "Arial", .fontPixels = 11,
            .alignment = Center, .layout = layout};
}

ControlDef button(const char* name, int left, int top, const char* hint, const char* picture,
                  bool visible = true) {
    const bool small = top == 20;
    return {.kind = Image, .name = name, .left = left, .top = top, .width = small ? 23 : 28,
            .height = small ? 17 : 21, .hint = hint, .visible = visible, .picture = picture};
}

ControlDef colourPanel(const char* name, int left) {
    return {.kind = Panel, .name = name, .left = left, .top = 51, .width = 54, .height = 67,
            .color = BlankColor};
}

} // namespace

const FormDef& bookFormDef() {
    static const FormDef def{
        .name = "frmHuevella",
        .caption = "Huevella",
        .clientWidth = 186,
        .clientHeight = 124,
        .stayOnTop = true,
        .toolWindow = false,
        .controls =
            {
                {.kind = Image, .name = "imgBookSkin", .left = 0, .top = 0, .width = 186,
                 .height = 124, .picture = ":/forms/book/skin.png"},
                caption("lblCaption1", 6, Middle),
                caption("lblCaption2", 66, Middle),
                caption("lblCaption3", 126, Top),
                {.kind = Label, .name = "lblCardTitle", .left = 51, .top = 20, .width = 86,
                 .height = 16, .fontName = "Arial", .fontPixels = 11, .alignment = Center,
                 .layout = Middle},
                button("imgEyedropper", 0, 0, "Drag Eyedropper to Choose Color",
                       ":/forms/book/eyedropper.png"),
                button("imgMenu", 131, 0, "Main Menu", ":/forms/book/menu.png"),
                button("imgCollapseCards", 27, 0, "Collapse Cards", ":/forms/book/collapse.png"),
                button("imgBookClearCardDisabled", 5, 20, "Clear Card",
                       ":/forms/book/clear_disabled.png"),
                button("imgBookClearCard", 5, 20, "Clear Card", ":/forms/book/clear.png", false),
                button("imgPreviousCardDisabled", 27, 20, "Previous Card",
                       ":/forms/book/previous_disabled.png"),
                button("imgPreviousCard", 27, 20, "Previous Card", ":/forms/book/previous.png",
                       false),
                button("imgNextCardDisabled", 136, 20, "Next Card",
                       ":/forms/book/next_disabled.png"),
                button("imgNextCard", 136, 20, "Next Card", ":/forms/book/next.png", false),
                button("imgColorPalette", 158, 0, "Color Palette", ":/forms/book/palette.png"),
                button("imgSwatchCard", 27, 0, "Swatch Card", ":/forms/book/swatch.png"),
                colourPanel("pnlColor1", 6),
                colourPanel("pnlColor2", 66),
                colourPanel("pnlColor3", 126),
                {.kind = Edit, .name = "editCardTitle", .left = 50, .top = 21, .width = 86,
                 .height = 15, .visible = false, .color = clWhite, .fontName = "Arial",
                 .fontPixels = 11, .maxLength = 18, .hideSelection = false},
            },
        .menus = {{"mnuMainMenu",
                   {{"mnuOpen", "Open", false},
                    {"mnuNew", "New", false},
                    {"mnuSave", "Save", false},
                    {"mnuSaveAs", "Save As", false},
                    {"mnuPreview", "Preview Files", true},
                    {"mnuBreak", "-", true},
                    {"mnuSystemTray", "To System Tray", true},
                    {"mnuExit", "Exit", true}}}},
        .dialogs = {{"dlgOpen", false, "Huevella Files (*.hvz)|*.hvz", "hvz", false},
                    {"dlgSaveAs", true, "Huevella File (*.hvz)|*.hvz", "hvz", true}},
    };
    return def;
}
