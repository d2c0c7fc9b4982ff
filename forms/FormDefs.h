#pragma once

#include "platform/forms/FormDef.h"

// The program's own cursors, by number, shared by the windows that show
// them; the window that draws each registers it.
namespace Cursors {
constexpr int Fill = 5;       // the swatch card's
constexpr int Eyedropper = 6; // the screen picker's
} // namespace Cursors

// The six windows' form definitions.
const FormDef& bookFormDef();
const FormDef& screenPickerFormDef();
const FormDef& swatchCardFormDef();
const FormDef& sliderFormDef();
const FormDef& colorPaletteFormDef();
const FormDef& suggestSchemesFormDef();
