// Typing the palette's colour: every key release re-reads the whole text of
// its edit and, when it is acceptable, makes it the colour.

#include "palette/TfrmColorPalette.h"

#include "core/colour/StrToInt.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace {

// Its text as the program last showed it: nothing was entered (a Tab
// released here, an arrow key), so nothing is recomputed from the rounded
// values the edits show.
bool unchanged(const TEdit* edit) {
    return edit->Text() == edit->ShownText();
}

// The characters of a UTF-8 text, each whole.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

// A code as people paste it: "#3366CC", with spaces around. Six characters
// that are not all hex digits raise the conversion error naming the first
// that is not, whole; any other length is not (yet) a code.
std::optional<std::string> typedCode(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.erase(text.begin());
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    if (text.starts_with('#')) text.erase(text.begin());
    const std::vector<std::string> chars = characters(text);
    if (chars.size() != 6) return std::nullopt;
    for (const std::string& c : chars)
        if (c.size() != 1 || !std::isxdigit(static_cast<unsigned char>(c[0])))
            throw EConvertError(InvalidIntegerMessage(c));
    return text;
}

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
    tellColour();
    DrawHueSatMarkers();
    DrawLumMarker();
    PaintLumPalette();
}

void TfrmColorPalette::editHexKeyUp(unsigned short&, TShiftState) {
    if (unchanged(editHex)) return;
    const std::optional<std::string> code = typedCode(editHex->Text());
    if (!code) return;
    const std::string text = *code;
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
    if (edit->Text().empty() || unchanged(edit)) return;
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
    if (edit->Text().empty() || unchanged(edit)) return;
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
