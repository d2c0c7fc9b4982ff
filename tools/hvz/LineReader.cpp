#include "LineReader.h"

#include <cstring>

LineReader::Result LineReader::take(std::size_t end, std::string_view& line) {
    std::size_t length = end - start;
    if (length > 0 && buffer[start + length - 1] == '\r') --length;
    line = std::string_view(buffer.data() + start, length);
    ++number;
    const bool tooLong = skipping || length > MaxLine;
    skipping = false;
    return tooLong ? TooLong : Line;
}

LineReader::Result LineReader::next(std::string_view& line) {
    for (;;) {
        const char* base = buffer.data();
        if (const void* found = std::memchr(base + scanned, '\n', buffer.size() - scanned)) {
            const auto end = std::size_t(static_cast<const char*>(found) - base);
            const Result result = take(end, line);
            start = scanned = end + 1;
            return result;
        }
        scanned = buffer.size();
        // A line already too long is not kept: only its end is looked for.
        if (skipping || scanned - start > MaxLine + 1) {
            skipping = true;
            buffer.clear();
            start = scanned = 0;
        }
        if (eof) {
            if (!skipping && start == buffer.size()) return End;
            const Result result = take(buffer.size(), line);
            start = scanned = buffer.size();
            return result;
        }
        buffer.erase(0, start);
        scanned -= start;
        start = 0;
        const std::size_t old = buffer.size();
        constexpr std::size_t block = 1 << 20;
        buffer.resize(old + block);
        const std::size_t got = std::fread(buffer.data() + old, 1, block, in);
        buffer.resize(old + got);
        if (got == 0) eof = true;
    }
}
