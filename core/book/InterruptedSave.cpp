#include "core/book/InterruptedSave.h"

#include "core/book/Recovery.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <filesystem>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Magic = "Huevella save in progress\n";
constexpr std::string_view Extension = ".saving";

// One name for a file however it was named: the rewrite and a later open
// may come from different folders, or through a link.
std::string canonical(const std::string& file) {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::weakly_canonical(file, error);
    return error ? std::filesystem::absolute(file, error).string() : path.string();
}

bool takeLength(std::string_view& text, std::size_t& value) {
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || stop == text.data() || stop == text.data() + text.size() ||
        *stop != '\n')
        return false;
    text.remove_prefix(std::size_t(stop - text.data()) + 1);
    return true;
}

// The file, its old text and its new one, each length checked against
// what is there before it is used.
bool parse(std::string_view text, std::string& file, std::string& before, std::string& after) {
    if (!text.starts_with(Magic)) return false;
    text.remove_prefix(Magic.size());
    std::size_t length = 0;
    if (!takeLength(text, length) || length >= text.size() || text[length] != '\n') return false;
    file = text.substr(0, length);
    text.remove_prefix(length + 1);
    if (!takeLength(text, length) || length > text.size()) return false;
    before = text.substr(0, length);
    after = text.substr(length);
    return true;
}

bool writeWhole(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(std::size_t(n));
    }
    return true;
}

// Written under a passing name and renamed: a keeping is whole or absent.
std::string writeKeeping(const std::string& folder, const std::string& name, std::string_view text,
                         std::string& kept) {
    const std::string part = folder + "/." + name + ".part";
    const int fd =
        ::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return errnoReason(errno);
    const bool written = writeWhole(fd, text) && ::fsync(fd) == 0;
    const int error = written ? 0 : (errno ? errno : ENOSPC);
    ::close(fd);
    const std::string path = folder + "/" + name;
    if (!written || ::rename(part.c_str(), path.c_str()) != 0) {
        const int why = written ? errno : error;
        ::unlink(part.c_str());
        return errnoReason(why);
    }
    syncFolder(folder);
    kept = path;
    return {};
}

// Whether the file's text is what the rewrite left whole: the new text, or
// the new text with the blank padding a rewrite into a longer file puts
// before it shortens the file.
bool finished(std::string_view now, std::string_view after) {
    if (!now.starts_with(after)) return false;
    now.remove_prefix(after.size());
    return std::all_of(now.begin(), now.end(),
                       [](char c) { return c == ' ' || c == '\r' || c == '\n'; });
}

} // namespace

std::string keepBeforeRewrite(const std::string& file, std::string_view before,
                              std::string_view after, std::string& kept) {
    const std::string name = canonical(file);
    const std::string text = std::string(Magic) + std::to_string(name.size()) + "\n" + name + "\n" +
                             std::to_string(before.size()) + "\n" + std::string(before) +
                             std::string(after);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string own =
        "rewrite-" +
        std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()) + "-" +
        std::to_string(::getpid()) + std::string(Extension);
    std::string problems;
    for (const std::string& folder : recoveryPlaces()) {
        std::string problem = privateFolder(folder);
        if (problem.empty()) problem = writeKeeping(folder, own, text, kept);
        if (problem.empty()) return {};
        problems += (problems.empty() ? "" : "; ") + folder + ": " + problem;
    }
    return problems.empty() ? "there is no folder of the user's own to keep it in" : problems;
}

void rewriteFinished(const std::string& kept) {
    if (!kept.empty()) ::unlink(kept.c_str());
}

std::vector<InterruptedSave> findInterruptedSaves(const std::string& file) {
    struct Found {
        InterruptedSave save;
        struct timespec kept;
    };
    std::vector<Found> found;
    const std::string wanted = file.empty() ? std::string() : canonical(file);
    for (const std::string& folder : recoveryPlaces()) {
        if (!privateFolder(folder).empty()) continue;
        DIR* dir = ::opendir(folder.c_str());
        if (!dir) continue;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (!name.starts_with("rewrite-") || !name.ends_with(Extension)) continue;
            const std::string path = folder + "/" + entry->d_name;
            struct stat status {};
            if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
                status.st_uid != ::geteuid())
                continue;
            std::string text, target, before, after;
            if (!readSmallFile(path, 3 * MaxBookFileSize, text).empty() ||
                !parse(text, target, before, after)) {
                continue;
            }
            if (!wanted.empty() && target != wanted) continue;
            // A save running now holds the file: it is not ours to judge.
            const int lock = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
            if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
                ::close(lock);
                continue;
            }
            std::string now;
            const std::string problem = readSmallFile(target, 2 * MaxBookFileSize, now);
            const FileStamp stamp = stampOf(target);
            if (lock >= 0) ::close(lock);
            if (!problem.empty() && stamp.exists) continue; // cannot tell now
            // Gone, whole, or written since by someone else: nothing to put back.
            // A keeping of a file that was itself cut short has nothing to give.
            if (!stamp.exists || now == before || finished(now, after) || now.empty() ||
                now[0] != '\0' || (!before.empty() && before[0] == '\0')) {
                ::unlink(path.c_str());
                continue;
            }
            found.push_back({{target, before, path, stamp}, status.st_mtim});
        }
        ::closedir(dir);
    }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.kept.tv_sec != b.kept.tv_sec ? a.kept.tv_sec > b.kept.tv_sec
                                              : a.kept.tv_nsec > b.kept.tv_nsec;
    });
    std::vector<InterruptedSave> out;
    for (Found& f : found)
        out.push_back(std::move(f.save));
    return out;
}

std::string putBack(const InterruptedSave& save) {
    const std::string problem = saveBookFile(save.file, save.before, &save.found);
    if (problem.empty()) ::unlink(save.path.c_str());
    return problem;
}
