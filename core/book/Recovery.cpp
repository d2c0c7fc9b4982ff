#include "core/book/Recovery.h"

#include "core/book/BookFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Magic = "Huevella recovery copy\n";
constexpr std::string_view Extension = ".recovery";

// Every folder on the way, private to the user where we make it.
bool makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

// A copy is ours to offer only when we wrote it: a regular file of our own.
bool ownFile(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_uid == ::geteuid();
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A copy that could only be kept beside its book: hidden, named after it.
std::string besideBook(const std::string& book, const std::string& name) {
    return folderOf(book) + "/." + baseName(book) + "." + name;
}

std::atomic<bool> lost{false};

// This program's file name: its start and its process, which no other
// program shares.
const std::string& ownName() {
    static const std::string name = [] {
        const auto start = std::chrono::system_clock::now().time_since_epoch();
        return "unsaved-" +
               std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(start).count()) +
               "-" + std::to_string(::getpid()) + std::string(Extension);
    }();
    return name;
}

} // namespace

std::string recoveryFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return std::string(state) + "/huevella";
    const char* home = std::getenv("HOME");
    std::string folder = home && *home == '/' ? home : "";
    // Never a folder anyone may make first (/tmp): the home the system has
    // for us.
    if (folder.empty())
        if (const passwd* entry = ::getpwuid(::geteuid());
            entry && entry->pw_dir && *entry->pw_dir == '/')
            folder = entry->pw_dir;
    return folder.empty() ? std::string() : folder + "/.local/state/huevella";
}

std::vector<std::string> recoveryPlaces() {
    std::vector<std::string> out;
    if (std::string folder = recoveryFolder(); !folder.empty()) out.push_back(std::move(folder));
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        out.push_back(std::string(runtime) + "/huevella-recovery");
    return out;
}

std::string privateFolder(const std::string& path) {
    if (path.empty()) return "there is no home folder";
    if (!makeFolders(path)) return errnoReason(errno);
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return errnoReason(errno);
    if (!S_ISDIR(status.st_mode)) return "it is not a folder";
    if (status.st_uid != ::geteuid()) return "it belongs to another user";
    if (status.st_mode & (S_IWGRP | S_IWOTH)) return "others may write to it";
    return {};
}

std::string ownRecoveryPath() {
    return recoveryFolder() + "/" + ownName();
}

namespace {
constexpr std::string_view StampWord = "stamp ";

// A decimal number ending at a line's end, taken off the front of `text`.
template <typename Number> bool takeNumber(std::string_view& text, Number& value, char end) {
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || stop == text.data() || stop == text.data() + text.size() ||
        *stop != end)
        return false;
    text.remove_prefix(std::size_t(stop - text.data()) + 1);
    return true;
}
} // namespace

std::string formatRecoveryCopy(const RecoveryCopy& copy) {
    std::string out(Magic);
    if (const std::optional<FileStamp>& s = copy.stamp)
        out += std::string(StampWord) + (s->exists ? "1 " : "0 ") + std::to_string(s->device) +
               " " + std::to_string(s->inode) + " " + std::to_string(s->size) + " " +
               std::to_string(s->seconds) + " " + std::to_string(s->nanoseconds) + "\n";
    return out + std::to_string(copy.name.size()) + "\n" + copy.name + "\n" + copy.text;
}

bool parseRecoveryCopy(std::string_view file, RecoveryCopy& copy) {
    if (!file.starts_with(Magic)) return false;
    file.remove_prefix(Magic.size());
    std::optional<FileStamp> stamp;
    if (file.starts_with(StampWord)) {
        file.remove_prefix(StampWord.size());
        FileStamp s;
        int exists = 0;
        if (!takeNumber(file, exists, ' ') || exists < 0 || exists > 1 ||
            !takeNumber(file, s.device, ' ') || !takeNumber(file, s.inode, ' ') ||
            !takeNumber(file, s.size, ' ') || !takeNumber(file, s.seconds, ' ') ||
            !takeNumber(file, s.nanoseconds, '\n'))
            return false;
        s.exists = exists == 1;
        stamp = s;
    }
    std::size_t length = 0;
    // The name and the line end after it must both be there: compared
    // without adding to a length that may be the largest number there is.
    if (!takeNumber(file, length, '\n') || length >= file.size() || file[length] != '\n')
        return false;
    copy.name = std::string(file.substr(0, length));
    copy.text = std::string(file.substr(length + 1));
    copy.stamp = stamp;
    return true;
}

std::string keepRecoveryCopy(const RecoveryCopy& copy) {
    const std::string file = formatRecoveryCopy(copy);
    std::string problems;
    for (const std::string& folder : recoveryPlaces()) {
        std::string problem = privateFolder(folder);
        if (problem.empty()) problem = saveBookFile(folder + "/" + ownName(), file, nullptr, true);
        if (problem.empty()) {
            // One copy a program: an earlier one elsewhere is now out of date.
            for (const std::string& other : recoveryPlaces())
                if (other != folder) ::unlink((other + "/" + ownName()).c_str());
            return {};
        }
        problems += (problems.empty() ? "" : "; ") + folder + ": " + problem;
    }
    // Last, beside the book itself: the folder the person chose to write in.
    if (!copy.name.empty()) {
        const std::string beside = besideBook(copy.name, ownName());
        const std::string problem = saveBookFile(beside, file, nullptr, true);
        if (problem.empty()) {
            for (const std::string& other : recoveryPlaces())
                ::unlink((other + "/" + ownName()).c_str());
            std::fprintf(stderr, "huevella: the unsaved book was kept at \"%s\"\n", beside.c_str());
            return {};
        }
        problems += "; " + folderOf(copy.name) + ": " + problem;
    }
    lost = true;
    return problems;
}

bool recoveryCopyLost() {
    return lost;
}

std::vector<RecoveryCopy> findRecoveryCopies(const std::string& book) {
    struct Found {
        RecoveryCopy copy;
        std::filesystem::file_time_type kept;
    };
    std::vector<Found> found;
    std::vector<std::string> folders;
    // A folder someone else could write to may hold copies they planted.
    for (const std::string& folder : recoveryPlaces())
        if (privateFolder(folder).empty()) folders.push_back(folder);
    const std::size_t ownPlaces = folders.size();
    if (!book.empty()) folders.push_back(folderOf(book));
    const std::string hidden = "." + baseName(book) + ".";
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::string& folder = folders[i];
        const bool beside = i >= ownPlaces;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            std::string name = entry.path().filename().string();
            if (beside) {
                if (!name.starts_with(hidden)) continue;
                name.erase(0, hidden.size());
            }
            // Only copies we wrote: not another user's, not a link, not a
            // pipe or a device.
            if (!name.starts_with("unsaved-") || !name.ends_with(Extension) || name == ownName() ||
                !ownFile(entry.path().string()))
                continue;
            Found f{{}, entry.last_write_time(error)};
            f.copy.path = entry.path().string();
            std::string file;
            if (readSmallFile(f.copy.path, MaxBookFileSize + 8192, file).empty() &&
                !parseRecoveryCopy(file, f.copy))
                f.copy.text.clear();
            found.push_back(std::move(f));
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.kept > b.kept; });
    std::vector<RecoveryCopy> out;
    for (Found& f : found)
        out.push_back(std::move(f.copy));
    return out;
}

void discardRecoveryCopy(const std::string& path) {
    if (!path.empty()) ::unlink(path.c_str());
}
