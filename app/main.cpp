#include "app/SessionEnd.h"
#include "app/SingleInstance.h"
#include "app/WindowSet.h"
#include "book/BookFile.h"
#include "book/TfrmHuevella.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Application.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

#include <unistd.h>

#ifndef HUEVELLA_VERSION
#define HUEVELLA_VERSION "dev"
#endif

namespace {

void usage() {
    std::printf("Usage: huevella [BOOK.hvz]\n\n"
                "Huevella collects, adjusts and stores colours with their codes. It starts\n"
                "into the system tray: double-click its icon (a single click on most panels)\n"
                "for the book window, right-click it for the main menu. A book file named\n"
                "here is opened at start.\n\n"
                "  huevella --help      this text\n"
                "  huevella --version   the version\n");
}

// Answers --help and --version before anything needs a display.
bool answered(int argc, char** argv, int& status) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            usage();
            status = std::fflush(stdout) == 0 ? 0 : 1;
            return true;
        }
        if (argument == "--version") {
            std::printf("huevella %s\n", HUEVELLA_VERSION);
            status = std::fflush(stdout) == 0 ? 0 : 1;
            return true;
        }
    }
    return false;
}

// Only a book named first is opened; say so of anything else.
void reportIgnored() {
    const auto& arguments = HuevellaQtApplication::commandLine();
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (i == 1 && namesABook(argument)) continue;
        std::fprintf(stderr,
                     "huevella: '%s' ignored: only a book file (.hvz) can be named, "
                     "first; see huevella --help\n",
                     argument.c_str());
    }
}

// The book named first, as a path that does not depend on this start's
// folder: a running program may open it from its own.
std::optional<std::string> namedBook() {
    const auto& arguments = HuevellaQtApplication::commandLine();
    if (arguments.size() < 2 || !namesABook(arguments[1])) return std::nullopt;
    std::string path = arguments[1];
    if (!path.starts_with('/')) {
        char folder[4096];
        if (getcwd(folder, sizeof folder)) path = std::string(folder) + "/" + path;
    }
    return path;
}

// On a Wayland desktop Qt goes native when its Wayland plugin is installed,
// and there a program may not know where the pointer is, move its own
// window or place the windows docked to it. Under Xwayland all of that
// works, so we stay there unless the user has chosen a platform. Asked for
// by argument rather than the environment, so that nothing we start
// inherits the choice.
bool stayOnX11(int argc, char** argv) {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    if (set("QT_QPA_PLATFORM") || !set("DISPLAY")) return false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") return false;
    }
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return set("WAYLAND_DISPLAY") || (session && std::string_view(session) == "wayland");
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    if (answered(argc, argv, status)) return status;
    std::vector<char*> arguments(argv, argv + argc);
    if (stayOnX11(argc, argv)) {
        static char platform[] = "-platform", xcb[] = "xcb";
        arguments.insert(arguments.begin() + 1, {platform, xcb});
    }
    arguments.push_back(nullptr);
    int count = int(arguments.size()) - 1;
    HuevellaQtApplication qtApp(count, arguments.data());
    reportIgnored();
    SingleInstance single;
    const SingleInstance::Claim claim = single.claim();
    if (claim == SingleInstance::Claim::Elsewhere) {
        // Another Huevella has this desktop: it comes out, or opens the
        // book, instead.
        std::string why;
        if (single.handOver(namedBook(), why)) return 0;
        std::fprintf(stderr, "huevella: %s\n", why.c_str());
        return 1;
    }
    TApplication application;
    status = RunProgram(application, [&] {
        application.Initialize();
        application.setTitle("Huevella");
        CreateWindowSet();
        RevealWithoutTray();
        WatchBookAtSessionEnd();
        // Every kept copy is offered, whatever book this start opened.
        frmHuevella->offerRecovery();
        if (claim == SingleInstance::Claim::Ours)
            single.listen(
                [](const std::optional<std::string>& book, int dropped) {
                    if (frmHuevella)
                        safeCall([&] { frmHuevella->openFromLauncher(book, dropped); });
                },
                questionIsOpen);
    });
    watchSessionEnd({});
    DestroyWindowSet();
    // The desktop's services (D-Bus among them) go while Qt still runs:
    // after it, their threads are gone and their clean-up would wait forever.
    installDesktop(nullptr);
    return status;
}
