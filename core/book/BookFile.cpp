#include "core/book/BookFile.h"

#include "core/book/BookText.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string formatBook(const BookState& book, bool finalLineEnd) {
    std::string out = std::to_string(book.lastCard) + "\r\n";
    const auto caption = [](const std::string& text) { return text.empty() ? "space" : text; };
    for (int i = 0; i <= book.lastCard; ++i) {
        const Huevella& card = book.cards[i];
        for (TColor color : {card.getColor1(), card.getColor2(), card.getColor3()})
            out += std::to_string(color) + "\r\n";
        for (const std::string& text : {card.getCaption1(), card.getCaption2(), card.getCaption3()})
            out += caption(text) + "\r\n";
        // Whatever a title holds, it must not break its line.
        out += controlsToSpaces(card.getTitle());
        if (i < book.lastCard || finalLineEnd) out += "\r\n";
    }
    return out;
}

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool wholeNumber(std::string_view text, long long& value) {
    text = trimmed(text);
    if (text.empty()) return false;
    const char* begin = text.data();
    const auto [end, ec] = std::from_chars(begin, begin + text.size(), value);
    return ec == std::errc() && end == begin + text.size();
}

class Lines {
public:
    explicit Lines(std::string_view text) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            while (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            lines.push_back(line);
            start = end + 1;
        }
        endsWithLineEnd = !text.empty() && text.back() == '\n';
    }
    std::size_t size() const { return lines.size(); }
    // The last line was ended: an empty line follows it, which the count
    // leaves out.
    bool endsWithLineEnd = false;
    std::string_view operator[](std::size_t i) const { return lines[i]; }

private:
    std::vector<std::string_view> lines;
};

BookReadResult failure(std::size_t line, const std::string& problem) {
    BookReadResult result;
    result.problem = "line " + std::to_string(line) + ": " + problem;
    return result;
}

} // namespace

BookReadResult parseBook(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        BookReadResult result;
        result.problem = "the file holds binary data, not a book";
        return result;
    }
    // Windows editors start UTF-8 files with a byte-order mark.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const Lines lines(text);
    bool blank = true;
    for (std::size_t i = 0; i < lines.size() && blank; ++i)
        blank = trimmed(lines[i]).empty();
    if (blank) {
        BookReadResult result;
        result.problem = "the file is empty";
        return result;
    }
    long long count = 0;
    if (!wholeNumber(lines[0], count) || count < 0 || count >= BookState::Capacity)
        return failure(1, "a card count from 0 to 9 was expected");

    BookReadResult result;
    result.contents.lastCard = int(count);
    std::size_t at = 1; // index of the next line
    for (int i = 0; i <= count; ++i) {
        const std::string incomplete =
            "the file ends before card " + std::to_string(i + 1) + " is complete";
        Huevella& card = result.contents.cards[i];
        TColor colors[3];
        for (int slot = 0; slot < 3; ++slot, ++at) {
            if (at >= lines.size()) return failure(at + 1, incomplete);
            long long value = 0;
            if (!wholeNumber(lines[at], value))
                return failure(at + 1, "a colour number was expected");
            if (value < INT32_MIN || value > INT32_MAX)
                return failure(at + 1, "the colour number is out of range");
            colors[slot] = TColor(value);
        }
        std::string captions[3];
        TColor backgrounds[3];
        for (int slot = 0; slot < 3; ++slot, ++at) {
            if (at >= lines.size()) return failure(at + 1, incomplete);
            const std::string_view word = trimmed(lines[at]);
            // A caption goes to the clipboard as it stands: no control
            // characters in it.
            if (word.empty() || word.size() > 7 || word.find(' ') != word.npos ||
                hasControlCharacter(word))
                return failure(at + 1, "a colour code of at most 7 characters, or \"space\", "
                                       "was expected");
            if (word == "space") {
                colors[slot] = BlankColor;
                backgrounds[slot] = BlankColor;
            } else {
                captions[slot] = std::string(word);
                backgrounds[slot] = FilledCaptionColor;
            }
        }
        // Save leaves no line end after the last title: a file that ends
        // right after the last caption's line end has an empty title.
        const bool emptyLastTitle = at == lines.size() && i == count && lines.endsWithLineEnd;
        if (at >= lines.size() && !emptyLastTitle) return failure(at + 1, incomplete);
        card.setColor1(colors[0]);
        card.setColor2(colors[1]);
        card.setColor3(colors[2]);
        card.setCaptionColor1(backgrounds[0]);
        card.setCaptionColor2(backgrounds[1]);
        card.setCaptionColor3(backgrounds[2]);
        card.setCaption1(captions[0]);
        card.setCaption2(captions[1]);
        card.setCaption3(captions[2]);
        // A card without a title could never be renamed; it takes the
        // default title of its place.
        // A title that is not UTF-8 was written on Windows.
        const std::string_view raw = emptyLastTitle ? std::string_view() : lines[at];
        const std::string title =
            BookState::fitTitle(isValidUtf8(raw) ? std::string(raw) : windows1252ToUtf8(raw));
        card.setTitle(title.empty() ? BookState::defaultTitle(i) : title);
        ++at;
    }
    for (; at < lines.size(); ++at)
        if (!trimmed(lines[at]).empty())
            return failure(at + 1, "the file goes on after the last card");
    result.ok = true;
    return result;
}

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd(fd) {}
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd; }

private:
    int fd;
};

} // namespace

std::string errnoReason(int error) {
    std::string reason = std::strerror(error);
    if (!reason.empty()) reason[0] = char(std::tolower(static_cast<unsigned char>(reason[0])));
    return reason;
}

std::string notARegularFile(const struct stat& status) {
    if (S_ISDIR(status.st_mode)) return "it is a directory";
    if (!S_ISREG(status.st_mode)) return "it is not a regular file";
    return {};
}

std::string readSmallFile(const std::string& path, std::size_t limit, std::string& text) {
    // Not blocking: a pipe named as a file must not hang the caller.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return errnoReason(errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) return errnoReason(errno);
    if (std::string refused = notARegularFile(status); !refused.empty()) return refused;
    const std::string tooLarge =
        "it is larger than " + std::to_string(limit / 1024) + " KiB, too large to be read";
    if (std::size_t(status.st_size) > limit) return tooLarge;
    text.assign(limit + 1, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(file.get(), text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return "it cannot be read: " + errnoReason(errno);
        if (n == 0) break;
        got += std::size_t(n);
    }
    text.resize(got);
    // A file that grew while it was read.
    return text.size() > limit ? tooLarge : std::string();
}

BookReadResult readBookFile(const std::string& path) {
    BookReadResult result;
    std::string text;
    result.problem = readSmallFile(path, MaxBookFileSize, text);
    if (result.problem.starts_with("it is larger than"))
        result.problem = "it is larger than 64 KiB, too large to be a book";
    if (!result.problem.empty()) return result;
    return parseBook(text);
}

bool namesABook(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string_view end = name.substr(name.size() - 4);
    return end[0] == '.' && (end[1] | 0x20) == 'h' && (end[2] | 0x20) == 'v' &&
           (end[3] | 0x20) == 'z';
}

std::string withoutBookExtension(std::string name) {
    if (namesABook(name)) name.resize(name.size() - 4);
    return name;
}
