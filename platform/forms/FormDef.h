#pragma once

#include "core/colour/TColor.h"
#include "platform/forms/Controls.h"

#include <vector>

// A window's form definition: its size, look and controls, as data. The
// window classes bind their members and handlers to the controls by name.

// The translation context of the texts in the definitions (hints, titles,
// menu items, file filters). They are marked there with
// QT_TRANSLATE_NOOP("Forms", …) and translated as the window is built.
inline constexpr const char* FormTexts = "Forms";

enum class ControlKind { Image, Label, Panel, Edit, PaintBox, ScrollBox };

struct ControlDef {
    ControlKind kind;
    const char* name;
    int left, top, width, height;
    const char* hint = "";
    bool visible = true;
    const char* picture = ""; // resource path of an image's bitmap
    TColor color = clNone;    // background of a label, panel or edit; clNone: transparent
    const char* fontName = "";
    int fontPixels = 0;
    TAlignment alignment = TAlignment::taLeftJustify;
    TTextLayout layout = TTextLayout::tlTop;
    int maxLength = 0; // of an edit; 0: no limit
    bool hideSelection = true;
    bool autoSelect = true;  // an edit entered by Tab selects all its text
    int tabOrder = -1;       // place in the Tab chain; -1: not in it
    const char* parent = ""; // a scroll box the control lies in; "": the form
    int rangeWidth = 0;      // of a scroll box: the size of what scrolls
    int rangeHeight = 0;
    bool wordWrap = false;     // a label's text on as many lines as it takes
    TColor fontColor = clNone; // a label's text; clNone: the system's window text
    bool tabStop = true;       // reachable by Tab where a click or a key works it
    bool shrinkToFit = false;  // a label's or edit's text too wide drawn smaller, never cut
    // What the keys do with it, where the hint tells only the mouse: read by
    // screen readers as the control's description.
    const char* keys = "";
};

struct MenuItemDef {
    const char* name;
    const char* caption;
    bool enabled;
    const char* shortcut = ""; // e.g. "Ctrl+O": works while the menu's window is active
};

struct MenuDef {
    const char* name;
    std::vector<MenuItemDef> items;
};

struct DialogDef {
    const char* name;
    bool save;
    const char* filter; // "text|pattern"
    const char* defaultExt;
    bool overwritePrompt;
    const char* title = ""; // the dialog's window title; "": the toolkit's own
};

struct FormDef {
    const char* name;    // object name of the window
    const char* caption; // window title, for window managers and tests
    int clientWidth;
    int clientHeight;
    bool stayOnTop;
    bool toolWindow; // no task-bar entry
    std::vector<ControlDef> controls;
    std::vector<MenuDef> menus;
    std::vector<DialogDef> dialogs = {};
    // Where the window comes as F6 goes round the windows on the screen,
    // lowest first; a person learns one order, whatever was made first.
    int f6Place = 0;
};
