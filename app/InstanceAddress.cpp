// Where the running program listens: a socket for each display, in a
// folder of the user's own.
#include "app/SingleInstance.h"

#include "platform/forms/Application.h"

#include <QSocketNotifier>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each desktop has its program: the display, screen number left out
// (":1.0" is ":1"), as a file name.
// One display, one key, named as X names it: "[protocol/][host]:N[.screen]".
// The screen is part of the same server, and the local names of a server
// (no host, "unix", this machine by loopback) reach the same one.
// On a Wayland desktop the program is the desktop's whether it runs on its
// Xwayland or natively (started without DISPLAY): the Wayland display names
// it there, where its socket is found.
std::string waylandDisplay() {
    const char* w = std::getenv("WAYLAND_DISPLAY");
    if (!w || !*w) return {};
    std::string socket = w;
    if (socket.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!runtime || !*runtime) return {};
        socket = std::string(runtime) + "/" + socket;
    }
    struct stat status {};
    if (::stat(socket.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) return {};
    return "wayland-" + socket.substr(socket.rfind('/') + 1);
}

std::string displayKey() {
    std::string display;
    if (std::string wayland = waylandDisplay(); !wayland.empty()) return wayland;
    if (const char* x = std::getenv("DISPLAY"); x && *x)
        display = x;
    else
        display = "none";
    const std::size_t colon = display.rfind(':');
    if (colon != std::string::npos) {
        if (const std::size_t dot = display.find('.', colon); dot != std::string::npos)
            display.resize(dot);
        std::string host = display.substr(0, colon);
        if (const std::size_t slash = host.find('/'); slash != std::string::npos)
            host.erase(0, slash + 1);
        char self[256] = {};
        ::gethostname(self, sizeof self - 1);
        if (host == "unix" || host == "localhost" || host == "127.0.0.1" || host == "::1" ||
            host == "[::1]" || host == self)
            host.clear();
        display = host + display.substr(colon);
    }
    for (char& c : display)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '_';
    return display;
}

// Only a folder of our own that no one else may enter: another user's could
// block our starts and read the books we hand over. Why not, or nothing.
std::string whyNotPrivate(const std::string& folder) {
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) return std::strerror(errno);
    if (!S_ISDIR(status.st_mode)) return "it is not a folder";
    if (status.st_uid != ::geteuid()) return "it belongs to another user";
    if (status.st_mode & 077) return "others may enter it";
    return {};
}

// A folder under the user's own cache, which no one else can make first.
std::string cacheFallback() {
    std::string cache;
    if (const char* c = std::getenv("XDG_CACHE_HOME"); c && *c == '/')
        cache = c;
    else if (const char* home = std::getenv("HOME"); home && *home == '/')
        cache = std::string(home) + "/.cache";
    else
        return {};
    ::mkdir(cache.c_str(), 0700);
    const std::string folder = cache + "/huevella-runtime";
    ::mkdir(folder.c_str(), 0700);
    return whyNotPrivate(folder).empty() ? folder : std::string();
}

} // namespace

std::string SingleInstance::runtimeFolder(std::string* problem) {
    std::string folder;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
        folder = runtime;
    } else {
        const char* tmp = std::getenv("TMPDIR");
        folder =
            std::string(tmp && *tmp ? tmp : "/tmp") + "/huevella-" + std::to_string(::geteuid());
        ::mkdir(folder.c_str(), 0700);
    }
    const std::string why = whyNotPrivate(folder);
    if (why.empty()) return folder;
    // A shared temporary folder's name can be taken by anyone first: that
    // one is refused, and the user's own cache serves instead.
    if (!(runtime && *runtime))
        if (const std::string fallback = cacheFallback(); !fallback.empty()) {
            static bool told = false;
            if (!told)
                std::fprintf(stderr, "huevella: %s is refused (%s); using %s\n", folder.c_str(),
                             why.c_str(), fallback.c_str());
            told = true;
            return fallback;
        }
    if (problem) *problem = folder + ": " + why;
    return {};
}

std::string SingleInstance::socketPath(std::string* problem) {
    const std::string folder = runtimeFolder(problem);
    if (folder.empty()) return {};
    return folder + "/" + AppId + "." + displayKey() + ".socket";
}

SingleInstance::SingleInstance() = default;
