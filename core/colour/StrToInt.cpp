#include "core/colour/StrToInt.h"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

bool TryStrToInt(const char* p, const char* end, std::int32_t& value) {
    while (p != end && *p == ' ')
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';

    bool hex = false;
    if (p != end && (*p == '$' || *p == 'x' || *p == 'X')) {
        hex = true;
        ++p;
    } else if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        hex = true;
        p += 2;
    }
    if (p == end) return false;

    std::uint64_t magnitude = 0;
    if (hex) {
        for (; p != end; ++p) {
            const int d = hexDigit(*p);
            if (d < 0) return false;
            magnitude = magnitude * 16 + unsigned(d);
            if (magnitude > 0xFFFFFFFFull) return false;
        }
        const auto pattern = std::uint32_t(magnitude);
        value = std::int32_t(negative ? 0u - pattern : pattern);
        return true;
    }
    for (; p != end; ++p) {
        if (*p < '0' || *p > '9') return false;
        magnitude = magnitude * 10 + unsigned(*p - '0');
        if (magnitude > 2147483648ull) return false;
    }
    if (!negative && magnitude > 2147483647ull) return false;
    value = negative ? std::int32_t(-std::int64_t(magnitude)) : std::int32_t(magnitude);
    return true;
}

std::string InvalidIntegerMessage(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

std::int32_t StrToInt(const std::string& text) {
    std::int32_t value = 0;
    if (!TryStrToInt(text.data(), text.data() + text.size(), value))
        throw EConvertError(InvalidIntegerMessage(text));
    return value;
}
