#include "core/book/BookFile.h"
#include "core/book/InterruptedSave.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every byte written, or why not: a short write is a failure (a full disk,
// a file-size limit), never a success.
int writeAll(int fd, std::string_view text, off_t offset) {
    while (!text.empty()) {
        const ssize_t n = ::pwrite(fd, text.data(), text.size(), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        text.remove_prefix(std::size_t(n));
        offset += n;
    }
    return 0;
}

int closeChecked(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

// The file's new contents written in place, for a file that cannot be
// replaced by a new one. Whatever moment a crash comes, the file is the old
// book, the new one, or one that is refused when read (its first byte is a
// NUL until the rest is on the disk) — never a book that was not written.
// A failure puts the old contents back.
//
// Another user may own the folder and swap the book for a link between our
// checks and our write: the file is opened without following a link, and
// written only if it is the very file that was checked.
std::string rewriteInPlace(const std::string& path, std::string_view text,
                           const struct stat& checked) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ELOOP) return std::string(ReplacedMeanwhile);
    if (fd < 0) return errnoReason(errno);
    struct stat held {};
    if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode) || held.st_dev != checked.st_dev ||
        held.st_ino != checked.st_ino || held.st_uid != checked.st_uid) {
        ::close(fd);
        return std::string(ReplacedMeanwhile);
    }
    std::string old;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return errnoReason(error);
        }
        if (n == 0) break;
        old.append(buffer, std::size_t(n));
    }
    // Longer than the old text: a crash before the truncation leaves blank
    // lines, which end a book, not the old text's tail, which may read on.
    std::string padded(text);
    if (padded.size() < old.size()) {
        padded += "\r\n";
        padded.append(old.size() > padded.size() ? old.size() - padded.size() : 0, ' ');
    }
    // The old text is kept first, so that a kill in the middle loses
    // neither book: the next start puts it back.
    std::string journal;
    if (const std::string problem = keepBeforeRewrite(path, old, text, journal); !problem.empty()) {
        ::close(fd);
        return "the book as it was could not be kept first (" + problem + ")";
    }
    const auto synced = [fd](int error) { return error || ::fsync(fd) == 0 ? error : errno; };
    int error = 0;
    if (!padded.empty()) {
        error = synced(writeAll(fd, std::string_view("\0", 1), 0));
        if (!error) error = synced(writeAll(fd, std::string_view(padded).substr(1), 1));
        if (!error) error = synced(writeAll(fd, std::string_view(padded).substr(0, 1), 0));
    }
    if (!error && ::ftruncate(fd, off_t(text.size())) != 0) error = errno;
    if (!error) error = synced(0);
    bool whole = !error;
    if (error) {
        // Over blocks the file already had, the old text fits again.
        whole = writeAll(fd, old, 0) == 0 && ::ftruncate(fd, off_t(old.size())) == 0 &&
                ::fsync(fd) == 0;
    }
    const int closed = closeChecked(fd);
    if (!error) error = closed;
    // Where the old text could not be put back, the kept one stays for the
    // next start to offer.
    if (whole) rewriteFinished(journal);
    return error ? errnoReason(error) : std::string();
}

// The permission bits that apply to us, as a shell's write would find
// them; the superuser is held to them too, as an editor would hold it.
bool mayWrite(const struct stat& status) {
    const uid_t uid = ::geteuid();
    if (status.st_uid == uid) return status.st_mode & S_IWUSR;
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    bool member = status.st_gid == ::getegid();
    for (int i = 0; i < count && !member; ++i)
        member = groups[i] == status.st_gid;
    if (member) return status.st_mode & S_IWGRP;
    return status.st_mode & S_IWOTH;
}

// Stricter than the kernel's protected_symlinks rule, which trusts the
// links of a folder's owner: a user who owns the folder a book of theirs
// is in could point its name at any file of ours, or swap the book for such
// a link while we save. Only our own links, and the superuser's, are
// followed.
bool plantedLink(const struct stat& linkStatus) {
    return linkStatus.st_uid != ::geteuid() && linkStatus.st_uid != 0;
}

// Whether the folder lets us put a new file in the place of this one. In a
// sticky folder only the file's owner, the folder's owner or the superuser
// may; others who may write the file rewrite it where it is.
bool mayReplace(const std::string& folder, const struct stat& file) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) return true; // the rename will say
    const uid_t uid = ::geteuid();
    return !(status.st_mode & S_ISVTX) || uid == 0 || file.st_uid == uid || status.st_uid == uid;
}

// Held while a book is written, so that two programs saving one book take
// turns, and the second sees what the first wrote. Advisory: it orders our
// own programs; the check under it still sees any other writer's change.
class BookLock {
public:
    explicit BookLock(const std::string& path)
        : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~BookLock() {
        if (fd >= 0) ::close(fd);
    }
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;
    // False when another program holds it past the wait.
    bool take() {
        if (fd < 0) return true; // no file yet: nothing to keep
        for (int tries = 0; tries < 100; ++tries) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
            if (errno != EWOULDBLOCK && errno != EINTR) return true; // locks not kept here
            ::usleep(20000);
        }
        return false;
    }

private:
    int fd;
};

// Temporaries carry the program's mark, so that one left by a save that
// was killed can be known for ours and cleared later.
constexpr std::string_view TemporaryMark = ".huevella-save-";

// When this program started: a temporary of ours older than that belongs
// to a save that cannot still be running.
const std::time_t startedAt = std::time(nullptr);

void removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        const std::size_t mark = name.rfind(TemporaryMark);
        if (name.empty() || name[0] != '.' || mark == std::string_view::npos ||
            name.size() != mark + TemporaryMark.size() + 6)
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_mtime < startedAt)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd); // best effort: the rename has been made either way
    ::close(fd);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileStamp stampOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return {};
    return {true,
            static_cast<unsigned long long>(status.st_dev),
            static_cast<unsigned long long>(status.st_ino),
            static_cast<unsigned long long>(status.st_size),
            static_cast<long long>(status.st_mtim.tv_sec),
            static_cast<long long>(status.st_mtim.tv_nsec)};
}

std::string saveBookFile(const std::string& target, std::string_view text,
                         const FileStamp* unchangedSince, bool privateFile) {
    // A link stays a link: the file it points to is the one replaced.
    std::string path = target;
    struct stat status {};
    if (::lstat(target.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (plantedLink(status)) return "it is a link another user made, and is not followed";
        char resolved[PATH_MAX];
        if (::realpath(target.c_str(), resolved)) path = resolved;
    }
    BookLock lock(path);
    if (!lock.take()) return "another program is saving it; try again in a moment";
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) return errnoReason(errno);
    // Checked under the lock: no save of another program can come between.
    if (unchangedSince && exists && stampOf(path) != *unchangedSince)
        return std::string(ChangedMeanwhile);
    if (exists) {
        const std::string refused = notARegularFile(status);
        if (!refused.empty()) return refused;
        // Renaming over it would replace what a write may not change.
        if (!mayWrite(status)) return errnoReason(EACCES);
        // A new file would be ours, in our group: another's book, or one
        // in a folder whose rules let us write it but not replace it, is
        // written where it is and stays theirs.
        if ((status.st_uid != ::geteuid() && ::geteuid() != 0) ||
            !mayReplace(folderOf(path), status))
            return rewriteInPlace(path, text, status);
    }
    removeStaleTemporaries(folderOf(path));

    // Built whole: an insert into it would meet GCC 12's false -Wrestrict
    // at -O3 (GCC bug 105329).
    const std::size_t slash = path.rfind('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    std::string temporary =
        path.substr(0, name) + "." + path.substr(name) + std::string(TemporaryMark) + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        const int error = errno;
        if (exists && (error == EACCES || error == EPERM))
            return rewriteInPlace(path, text, status);
        return errnoReason(error);
    }
    // The new file gets the old one's permissions, or those a new file gets.
    mode_t mode = status.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (privateFile) mode &= 0700;
    // The old one's group (and, for the superuser, owner) too, so that the
    // others sharing the book keep their access.
    if (exists && ::fchown(fd, ::geteuid() == 0 ? status.st_uid : uid_t(-1), status.st_gid) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return rewriteInPlace(path, text, status);
    }
    // Some filesystems keep no permissions; the save need not fail for that.
    (void)::fchmod(fd, mode);
    int error = writeAll(fd, text, 0);
    if (!error && ::fsync(fd) != 0) error = errno;
    const int closed = closeChecked(fd);
    if (!error) error = closed;
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return errnoReason(error);
    }
    syncFolder(folderOf(path));
    return {};
}
