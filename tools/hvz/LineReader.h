#pragma once

#include <cstdio>
#include <memory>
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
    // The whole lines buffered from the next one on, each with its line
    // end, reading more when there is none; empty at the end of the input
    // and while a line too long is passed over.
    std::string_view wholeLines();
    // The first bytes of wholeLines(), lines of them, have been read.
    void consume(std::size_t bytes, long lines);
    // The number of the line next() returned last, counting from 1.
    long lineNumber() const { return number; }
    // Why reading stopped short of the input's end (a folder for input, a
    // failing disk); 0 when it reached it. A read that fails is not an end.
    int readError() const { return failure; }

private:
    // The line from start to end, its CR dropped.
    Result take(std::size_t end, std::string_view& line);
    // Keeps what is not yet read and adds a block; false at the end.
    bool fill();

    std::FILE* in;
    std::string buffer;
    std::size_t start = 0;   // where the next line begins
    std::size_t scanned = 0; // up to here there is no line end after start
    bool skipping = false;   // in a line too long, until its end
    bool eof = false;
    int failure = 0;
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
    // Room for size bytes written straight in, after all text so far.
    char* room(std::size_t size) {
        flush();
        if (size > roomSize) {
            area = std::make_unique_for_overwrite<char[]>(size);
            roomSize = size;
        }
        return area.get();
    }
    // The first size bytes of the room are written.
    void wrote(std::size_t size) {
        if (size) std::fwrite(area.get(), 1, size, out);
    }

private:
    std::FILE* out;
    std::string pending;
    std::unique_ptr<char[]> area;
    std::size_t roomSize = 0;
};
