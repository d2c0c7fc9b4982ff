#include "book/Recovery.h"

#include "book/BookFile.h"

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string nameFile() {
    return recoveryFolder() + "/recovery.name";
}

// Every folder on the way, private to the user where we make it.
bool makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

} // namespace

std::string recoveryFolder() {
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state == '/')
        return std::string(state) + "/huevella";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.local/state/huevella";
}

std::string recoveryBookPath() {
    return recoveryFolder() + "/recovery.hvz";
}

std::string keepRecoveryCopy(const RecoveryCopy& copy) {
    if (!makeFolders(recoveryFolder())) return errnoReason(errno);
    // The name first: a book found without its name is offered unnamed.
    if (std::string problem = saveBookFile(nameFile(), copy.name); !problem.empty())
        return problem;
    return saveBookFile(recoveryBookPath(), copy.text);
}

std::optional<RecoveryCopy> findRecoveryCopy() {
    RecoveryCopy copy;
    if (!readSmallFile(recoveryBookPath(), MaxBookFileSize, copy.text).empty()) return std::nullopt;
    if (!readSmallFile(nameFile(), 4096, copy.name).empty()) copy.name.clear();
    return copy;
}

void discardRecoveryCopy() {
    ::unlink(recoveryBookPath().c_str());
    ::unlink(nameFile().c_str());
}
