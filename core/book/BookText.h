#pragma once

#include <string>
#include <string_view>

// Text as book files and titles hold it: UTF-8, one line, no control
// characters.

bool isValidUtf8(std::string_view text);
// Text from a Windows machine: each byte a Windows-1252 character.
std::string windows1252ToUtf8(std::string_view text);
// Every character below 0x20, and DEL, becomes a space: such a character
// would break a line of the file or hide in a label.
std::string controlsToSpaces(std::string_view text);
bool hasControlCharacter(std::string_view text);
// Whether a C1 control (U+0080 to U+009F, in UTF-8 0xC2 0x80..0x9F) starts
// at byte `at`.
bool isC1ControlAt(std::string_view text, std::size_t at);
// Cuts to at most maxBytes bytes without splitting a UTF-8 character.
std::string cutUtf8(std::string_view text, std::size_t maxBytes);
