#pragma once

#include <string>
#include <string_view>
#include <vector>

// One conversion of hvz: turns one operand set into one line of output.
struct ColourCommand {
    const char* name;
    const char* operands; // e.g. "L S H"
    int operandCount;
    const char* summary;
    const char* example;
    // Appends the result line (with its line end) to out and returns true, or
    // puts a message into error and returns false.
    bool (*convert)(const std::vector<std::string_view>& operands, std::string& out,
                    std::string& error);
    // The common lines at the start of a block of whole lines (whole numbers
    // in range between blanks, a line no longer than maxLine), converted
    // straight into out, which has QuickRoom bytes for each byte of the
    // block; stops at the first line it leaves to convert.
    struct Quick {
        std::size_t taken;   // bytes of the block
        std::size_t written; // bytes of out
        long lines;
    };
    Quick (*quick)(std::string_view lines, char* out, std::size_t maxLine) = nullptr;
    static constexpr std::size_t QuickRoom = 2;
};

const std::vector<ColourCommand>& colourCommands();
const ColourCommand* findColourCommand(std::string_view name);

// hsl, rgb and hex write CSS Color 4 text instead: "#3FBFBF",
// "hsl(180 50% 50%)", "rgb(51 153 255)".
void setCssOutput(bool css);
// hex writes CSS's oklch() instead: "oklch(62.8% 0.2577 29.23)".
void setOklchOutput(bool oklch);
// contrast writes APCA's Lc of text A on background B instead: "-104.3".
void setApcaOutput(bool apca);
// hex in a form of CSS's or a template: --format.
struct CodeFormat;
void setFormatOutput(const CodeFormat& format);
// Either of them: not the quick path's plain numbers.
bool cssOutput();

// WCAG's contrast ratio of two codes as users paste them, in hundredths, cut.
bool contrastOfCodes(std::string_view a, std::string_view b, int& hundredths, std::string& error);

// A ratio of 1 to 21 written as a decimal ("4.5", "3.1"), as the fewest
// hundredths that reach it, read exactly: a ratio printed with two decimals
// passes it exactly when it is at least that many hundredths.
bool parseMinimumRatio(std::string_view text, int& hundredths);

// Reads a decimal number (sign and fraction allowed, nothing else) as the
// nearest single-precision value.
bool parseDecimal(std::string_view text, float& value);
