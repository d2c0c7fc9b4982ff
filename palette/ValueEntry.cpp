// Typing the palette's colour: every key release re-reads the whole text of
// its edit and, when it is acceptable, makes it the colour.

#include "palette/TfrmColorPalette.h"

#include "colour/StrToInt.h"
#include "schemes/TfrmSuggestSchemes.h"

#include <string>

namespace {

// The edit's number, its text replaced by the nearest limit when it lies
// outside 0 to `limit` (a negative entry is raised to 0). Raises the
// conversion error for a text that is not a number, before anything changed.
int limitedValue(TEdit* edit, int limit) {
    const int value = StrToInt(edit->Text());
    if (value > limit) edit->setTextValue(std::to_string(limit));
    if (value < 0) edit->setTextValue("0");
    return StrToInt(edit->Text());
}

} // namespace

void TfrmColorPalette::fullRefresh() {
    ShowModel();
    frmSuggestSchemes->UpdateSchemes();
    DrawHueSatMarkers();
    DrawLumMarker();
    PaintLumPalette();
}

void TfrmColorPalette::editHexKeyUp(unsigned short&, TShiftState) {
    const std::string text = editHex->Text();
    if (text.empty() || text.size() != 6) return;
    paletteColor = HexToColor(text);
    red = RedOf(paletteColor);
    green = GreenOf(paletteColor);
    blue = BlueOf(paletteColor);
    hexCode = text;
    const Hsl hsl = ColorToHsl(float(red), float(green), float(blue));
    hue = hsl.hue;
    sat = hsl.saturation;
    lum = hsl.luminance;
    fullRefresh();
}

void TfrmColorPalette::channelKeyUp(TEdit* edit, int& channel) {
    if (edit->Text().empty()) return;
    channel = limitedValue(edit, 255);
    hexCode = ChannelsToHex(std::to_string(red), std::to_string(green), std::to_string(blue));
    paletteColor = RGBColor(red, green, blue);
    const Hsl hsl = ColorToHsl(float(red), float(green), float(blue));
    hue = hsl.hue;
    sat = hsl.saturation;
    lum = hsl.luminance;
    fullRefresh();
}

void TfrmColorPalette::hslKeyUp(TEdit* edit, int& value, int limit) {
    if (edit->Text().empty()) return;
    value = limitedValue(edit, limit);
    RecomputeFromHsl();
    fullRefresh();
}

void TfrmColorPalette::editRedKeyUp(unsigned short&, TShiftState) {
    channelKeyUp(editRed, red);
}
void TfrmColorPalette::editGreenKeyUp(unsigned short&, TShiftState) {
    channelKeyUp(editGreen, green);
}
void TfrmColorPalette::editBlueKeyUp(unsigned short&, TShiftState) {
    channelKeyUp(editBlue, blue);
}
void TfrmColorPalette::editHueKeyUp(unsigned short&, TShiftState) {
    hslKeyUp(editHue, hue, 360);
}
void TfrmColorPalette::editSatKeyUp(unsigned short&, TShiftState) {
    hslKeyUp(editSat, sat, 100);
}
void TfrmColorPalette::editLumKeyUp(unsigned short&, TShiftState) {
    hslKeyUp(editLum, lum, 100);
}
