#include "forms/FormDefs.h"
#include "forms/FormParts.h"

using namespace formparts;

namespace {

ControlDef strip(const char* name, int left, int width) {
    return {.kind = ControlKind::PaintBox,
            .name = name,
            .left = left,
            .top = 11,
            .width = width,
            .height = 101};
}

} // namespace

const FormDef& sliderFormDef() {
    static const FormDef def{
        .name = "frmMivoSlider",
        .caption = QT_TRANSLATE_NOOP("Forms", "Slider"),
        .clientWidth = 38,
        .clientHeight = 115,
        .stayOnTop = false,
        .toolWindow = true,
        .controls =
            {
                image("imgSliderSkin", 0, 0, 38, 115, "", ":/forms/slider/skin.png"),
                strip("pbxSatPalette", 9, 9),
                strip("pbxLumPalette", 20, 9),
                strip("pbxSatSlide", 2, 6),
                strip("pbxLumSlide", 29, 6),
            },
        .menus = {},
        .f6Place = 6,
    };
    return def;
}
