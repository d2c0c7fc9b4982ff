#include "book/Recovery.h"

#include "book/BookFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

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

// The places a copy may be kept, in the order they are tried.
std::vector<std::string> places() {
    std::vector<std::string> out{recoveryFolder()};
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/')
        out.push_back(std::string(runtime) + "/huevella-recovery");
    return out;
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
    return std::string(home && *home ? home : "/tmp") + "/.local/state/huevella";
}

std::string ownRecoveryPath() {
    return recoveryFolder() + "/" + ownName();
}

std::string formatRecoveryCopy(const RecoveryCopy& copy) {
    return std::string(Magic) + std::to_string(copy.name.size()) + "\n" + copy.name + "\n" +
           copy.text;
}

bool parseRecoveryCopy(std::string_view file, RecoveryCopy& copy) {
    if (!file.starts_with(Magic)) return false;
    file.remove_prefix(Magic.size());
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(file.data(), file.data() + file.size(), length);
    if (error != std::errc() || end == file.data() || *end != '\n') return false;
    file.remove_prefix(std::size_t(end - file.data()) + 1);
    if (file.size() < length + 1 || file[length] != '\n') return false;
    copy.name = std::string(file.substr(0, length));
    copy.text = std::string(file.substr(length + 1));
    return true;
}

std::string keepRecoveryCopy(const RecoveryCopy& copy) {
    const std::string file = formatRecoveryCopy(copy);
    std::string problems;
    for (const std::string& folder : places()) {
        std::string problem =
            makeFolders(folder) ? saveBookFile(folder + "/" + ownName(), file) : errnoReason(errno);
        if (problem.empty()) {
            // One copy a program: an earlier one elsewhere is now out of date.
            for (const std::string& other : places())
                if (other != folder) ::unlink((other + "/" + ownName()).c_str());
            return {};
        }
        problems += (problems.empty() ? "" : "; ") + folder + ": " + problem;
    }
    // Last, beside the book itself: the folder the person chose to write in.
    if (!copy.name.empty()) {
        const std::string beside = besideBook(copy.name, ownName());
        const std::string problem = saveBookFile(beside, file);
        if (problem.empty()) {
            for (const std::string& other : places())
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
    std::vector<std::string> folders = places();
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
                // Beside a book in a shared folder, only our own copies.
                struct stat status {};
                if (!name.starts_with(hidden) || ::lstat(entry.path().c_str(), &status) != 0 ||
                    status.st_uid != ::geteuid())
                    continue;
                name.erase(0, hidden.size());
            }
            if (!name.starts_with("unsaved-") || !name.ends_with(Extension) || name == ownName())
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
