#include "LineReader.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

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
        fill();
    }
}

bool LineReader::fill() {
    buffer.erase(0, start);
    scanned -= start;
    start = 0;
    const std::size_t old = buffer.size();
    constexpr std::size_t block = 1 << 20;
    buffer.resize(old + block);
    // What has come so far, not a whole block: from a pipe, the lines
    // already here are converted while the writer sends the next ones.
    ssize_t got;
    do
        got = read(fileno(in), buffer.data() + old, block);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        failure = errno;
        got = 0;
    }
    buffer.resize(old + std::size_t(got));
    if (got == 0) eof = true;
    return got != 0;
}

std::string_view LineReader::wholeLines() {
    for (;;) {
        if (skipping) return {};
        const char* base = buffer.data();
        const void* last = memrchr(base + start, '\n', buffer.size() - start);
        if (last) {
            const auto end = std::size_t(static_cast<const char*>(last) - base) + 1;
            return std::string_view(base + start, end - start);
        }
        // A line longer than a block is next()'s to pass over.
        scanned = buffer.size();
        if (eof || scanned - start > MaxLine || !fill()) return {};
    }
}

void LineReader::consume(std::size_t bytes, long lines) {
    start += bytes;
    if (scanned < start) scanned = start;
    number += lines;
}
