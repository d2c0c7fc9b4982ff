#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Reads a stream line by line in large blocks; a line's view stays valid
// until the next call. Line ends (LF or CR LF) are dropped. Each byte is
// looked at once, and a line longer than MaxLine is passed over without
// being kept, so neither time nor memory grows with a line's length.
class LineReader {
public:
    static constexpr std::size_t MaxLine = 4096;
    enum Result { Line, TooLong, End };

    explicit LineReader(std::FILE* in) : in(in) {}
    Result next(std::string_view& line);
    // The number of the line next() returned last, counting from 1.
    long lineNumber() const { return number; }

private:
    // The line from start to end, its CR dropped.
    Result take(std::size_t end, std::string_view& line);

    std::FILE* in;
    std::string buffer;
    std::size_t start = 0;   // where the next line begins
    std::size_t scanned = 0; // up to here there is no line end after start
    bool skipping = false;   // in a line too long, until its end
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
