#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Reads a stream line by line in large blocks; a line's view stays valid
// until the next call. Line ends (LF or CR LF) are dropped.
class LineReader {
public:
    explicit LineReader(std::FILE* in) : in(in) {}
    bool next(std::string_view& line);
    long lineNumber() const { return number; }

private:
    std::FILE* in;
    std::string buffer;
    std::size_t start = 0;
    bool eof = false;
    long number = 0;
};

// Collects output and writes it in large blocks.
class BlockWriter {
public:
    explicit BlockWriter(std::FILE* out) : out(out) {}
    ~BlockWriter() { flush(); }
    std::string& text() { return pending; }
    void maybeFlush() {
        if (pending.size() >= 1 << 16) flush();
    }
    void flush() {
        if (!pending.empty()) std::fwrite(pending.data(), 1, pending.size(), out);
        pending.clear();
    }

private:
    std::FILE* out;
    std::string pending;
};
