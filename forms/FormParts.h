#pragma once

#include "platform/forms/FormDef.h"

// Building blocks the form definitions share.
namespace formparts {

// A slot's caption: its code centred on the blank colour, "Arial" 11 pixels;
// a word in its place (the picker's "No answer" in German) drawn smaller
// rather than cut.
inline ControlDef caption(const char* name, int left, int top,
                          TTextLayout layout = TTextLayout::tlCenter) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = 54,
            .height = 15,
            .hint = QT_TRANSLATE_NOOP("Forms", "Click to Copy"),
            .color = BlankColor,
            .fontName = "Arial",
            .fontPixels = 11,
            .alignment = TAlignment::taCenter,
            .layout = layout,
            .shrinkToFit = true,
            .keys = QT_TRANSLATE_NOOP("Forms", "Enter copies the code; the Menu key lists its "
                                               "other forms")};
}

inline ControlDef image(const char* name, int left, int top, int width, int height,
                        const char* hint, const char* picture, bool visible = true) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .hint = hint,
            .visible = visible,
            .picture = picture};
}

inline ControlDef colourPanel(const char* name, int left, int top, const char* hint = "",
                              const char* keys = "") {
    return {.kind = ControlKind::Panel,
            .name = name,
            .left = left,
            .top = top,
            .width = 54,
            .height = 67,
            .hint = hint,
            .color = BlankColor,
            .keys = keys};
}

// What screen readers call the controls without a hint or a text of their
// own, as their names tell it ("pnlScheme2Color3": "Scheme %1 colour %2").
inline constexpr const char* ControlJobs[] = {
    QT_TRANSLATE_NOOP("Controls", "Colour %1"),
    QT_TRANSLATE_NOOP("Controls", "Caption %1"),
    QT_TRANSLATE_NOOP("Controls", "Card colour %1"),
    QT_TRANSLATE_NOOP("Controls", "Card caption %1"),
    QT_TRANSLATE_NOOP("Controls", "Card title"),
    QT_TRANSLATE_NOOP("Controls", "Picker colour"),
    QT_TRANSLATE_NOOP("Controls", "Picker caption"),
    QT_TRANSLATE_NOOP("Controls", "Picker message"),
    QT_TRANSLATE_NOOP("Controls", "Magnifier"),
    QT_TRANSLATE_NOOP("Controls", "Palette"),
    QT_TRANSLATE_NOOP("Controls", "Hue slider"),
    QT_TRANSLATE_NOOP("Controls", "Saturation slider"),
    QT_TRANSLATE_NOOP("Controls", "Luminance slider"),
    QT_TRANSLATE_NOOP("Controls", "Saturation palette"),
    QT_TRANSLATE_NOOP("Controls", "Luminance palette"),
    QT_TRANSLATE_NOOP("Controls", "Red"),
    QT_TRANSLATE_NOOP("Controls", "Green"),
    QT_TRANSLATE_NOOP("Controls", "Blue"),
    QT_TRANSLATE_NOOP("Controls", "Hue"),
    QT_TRANSLATE_NOOP("Controls", "Saturation"),
    QT_TRANSLATE_NOOP("Controls", "Luminance"),
    QT_TRANSLATE_NOOP("Controls", "Hex code"),
    QT_TRANSLATE_NOOP("Controls", "Swatch"),
    QT_TRANSLATE_NOOP("Controls", "Scheme %1 colour %2"),
    QT_TRANSLATE_NOOP("Controls", "empty"),
};

} // namespace formparts
