#include "forms/FormDefs.h"
#include "forms/FormParts.h"

// The companion windows' faces; their controls arrive with their windows.

namespace {

FormDef companion(const char* name, const char* caption, int width, int height, const char* skin) {
    return FormDef{
        .name = name,
        .caption = caption,
        .clientWidth = width,
        .clientHeight = height,
        .stayOnTop = false,
        .toolWindow = true,
        .controls = {formparts::image("imgSkin", 0, 0, width, height, "", skin)},
        .menus = {},
    };
}

} // namespace

const FormDef& sliderFormDef() {
    static const FormDef def =
        companion("frmMivoSlider", "Slider", 38, 115, ":/forms/slider/skin.png");
    return def;
}
