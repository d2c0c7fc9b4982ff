#include "LineReader.h"

#include <cstring>

bool LineReader::next(std::string_view& line) {
    for (;;) {
        const char* base = buffer.data();
        const void* found = std::memchr(base + start, '\n', buffer.size() - start);
        if (found || (eof && start < buffer.size())) {
            const std::size_t end =
                found ? std::size_t(static_cast<const char*>(found) - base) : buffer.size();
            std::size_t length = end - start;
            if (length > 0 && base[start + length - 1] == '\r') --length;
            line = std::string_view(base + start, length);
            start = found ? end + 1 : end;
            ++number;
            return true;
        }
        if (eof) return false;
        buffer.erase(0, start);
        start = 0;
        const std::size_t old = buffer.size();
        constexpr std::size_t block = 1 << 20;
        buffer.resize(old + block);
        const std::size_t got = std::fread(buffer.data() + old, 1, block, in);
        buffer.resize(old + got);
        if (got == 0) eof = true;
    }
}
