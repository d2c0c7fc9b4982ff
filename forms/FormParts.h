#pragma once

#include "platform/forms/FormDef.h"

// Building blocks the form definitions share.
namespace formparts {

// A slot's caption: its code centred on the blank colour, "Arial" 11 pixels.
inline ControlDef caption(const char* name, int left, int top,
                          TTextLayout layout = TTextLayout::tlCenter) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = 54,
            .height = 15,
            .hint = "Click to Copy",
            .color = BlankColor,
            .fontName = "Arial",
            .fontPixels = 11,
            .alignment = TAlignment::taCenter,
            .layout = layout};
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

inline ControlDef colourPanel(const char* name, int left, int top, const char* hint = "") {
    return {.kind = ControlKind::Panel,
            .name = name,
            .left = left,
            .top = top,
            .width = 54,
            .height = 67,
            .hint = hint,
            .color = BlankColor};
}

} // namespace formparts
