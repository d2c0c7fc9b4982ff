#include "core/book/RecentColours.h"

#include "core/book/BookFile.h"
#include "core/book/Recovery.h"
#include "core/colour/Conversions.h"
#include "core/colour/Pallet.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Far larger than twelve lines: anything bigger is not ours.
constexpr off_t LargestRead = 4096;

bool isCode(std::string_view line) {
    return line.size() == 6 && std::all_of(line.begin(), line.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

// The whole text, or nothing (with errno) where it cannot be read.
bool readText(const std::string& path, std::string& text) {
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) return false;
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) return false;
    if (!S_ISREG(status.st_mode) || status.st_size > LargestRead) {
        errno = EFBIG;
        return false;
    }
    char block[LargestRead + 1];
    const ssize_t n = ::read(file.fd, block, sizeof block);
    if (n < 0) return false;
    text.assign(block, std::size_t(n));
    return true;
}

// Written beside it and put in its place: whole, or not at all.
std::string writeWhole(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".new-" + std::to_string(::getpid());
    const Descriptor file{
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600)};
    if (file.fd < 0) return errnoReason(errno);
    const bool written =
        ::write(file.fd, text.data(), text.size()) == ssize_t(text.size()) && ::fsync(file.fd) == 0;
    const int error = errno;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int failure = written ? errno : error;
        ::unlink(temporary.c_str());
        return errnoReason(failure);
    }
    return {};
}
} // namespace

std::string recentPath() {
    const std::string folder = recoveryFolder();
    return folder.empty() ? std::string() : folder + "/recent";
}

RecentColours parseRecent(std::string_view text) {
    RecentColours read;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (!isCode(line)) {
            read.colours.clear();
            read.problem = "line " + std::to_string(number) + " is not a colour code";
            return read;
        }
        const TColor colour = HexToColor(std::string(line));
        if (std::find(read.colours.begin(), read.colours.end(), colour) == read.colours.end() &&
            read.colours.size() < RecentKept)
            read.colours.push_back(colour);
    }
    return read;
}

std::string recentText(const std::vector<TColor>& colours) {
    std::string text;
    for (const TColor colour : colours)
        text += ColorToCode(colour) + "\n";
    return text;
}

std::vector<TColor> withRecent(std::vector<TColor> colours, TColor colour) {
    std::erase(colours, colour);
    colours.insert(colours.begin(), colour);
    if (colours.size() > RecentKept) colours.resize(RecentKept);
    return colours;
}

RecentColours readRecent(const std::string& path, bool setAsideBroken) {
    std::string text;
    if (path.empty()) return {};
    if (!readText(path, text)) {
        if (errno == ENOENT) return {};
        RecentColours unread;
        unread.problem = errnoReason(errno);
        if (setAsideBroken && errno == EFBIG &&
            ::rename(path.c_str(), (path + ".broken").c_str()) == 0)
            unread.setAside = path + ".broken";
        return unread;
    }
    RecentColours read = parseRecent(text);
    if (!read.problem.empty() && setAsideBroken &&
        ::rename(path.c_str(), (path + ".broken").c_str()) == 0)
        read.setAside = path + ".broken";
    return read;
}

RecentColours addRecent(const std::string& path, TColor colour, std::string& why) {
    if (path.empty()) {
        why = "there is no home folder";
        return {};
    }
    if (std::string folder = privateFolder(folderOf(path)); !folder.empty()) {
        why = folder;
        return {};
    }
    // The lock is a file of its own: the list itself is replaced whole.
    const Descriptor lock{
        ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)};
    if (lock.fd < 0 || ::flock(lock.fd, LOCK_EX) != 0) {
        why = errnoReason(errno);
        return {};
    }
    RecentColours now = readRecent(path, true);
    now.colours = withRecent(std::move(now.colours), colour);
    why = writeWhole(path, recentText(now.colours));
    return now;
}
