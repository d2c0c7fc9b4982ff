#pragma once

#include "platform/forms/FormDef.h"

// The six windows' form definitions.
const FormDef& bookFormDef();
const FormDef& screenPickerFormDef();
const FormDef& swatchCardFormDef();
const FormDef& sliderFormDef();
const FormDef& colorPaletteFormDef();
const FormDef& suggestSchemesFormDef();
