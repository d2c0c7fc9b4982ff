#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// The conversion error of the string-to-integer conversion; its message is
// "'<text>' is not a valid integer value".
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a 32-bit integer: leading blanks skipped, an optional sign, decimal
// digits, or hexadecimal digits after "$", "x" or "0x". Hexadecimal text is a
// 32-bit pattern (up to FFFFFFFF, so "$FFFFFFFF" is -1); decimal text must lie
// in the signed 32-bit range. Anything else raises EConvertError.
std::int32_t StrToInt(const std::string& text);

// The same rules without the exception, for hot loops; false where StrToInt
// would raise.
bool TryStrToInt(const char* begin, const char* end, std::int32_t& value);

std::string InvalidIntegerMessage(const std::string& text);
