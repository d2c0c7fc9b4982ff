#include "app/PickRequest.h"
#include "app/SingleInstance.h"
#include "app/WindowSet.h"
#include "book/TfrmHuevella.h"
#include "core/book/BookFile.h"
#include "picker/TfrmScreenPicker.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/SessionEnd.h"
#include "platform/forms/Application.h"
#include "platform/forms/Language.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef HUEVELLA_VERSION
#define HUEVELLA_VERSION "dev"
#endif

namespace {

void usage() {
    std::printf("Usage: huevella [BOOK.hvz]\n"
                "       huevella --pick [--format hex|#hex|rgb|hsl|oklch]\n\n"
                "Huevella collects, adjusts and stores colours with their codes. It starts\n"
                "into the system tray: double-click its icon (a single click on most panels)\n"
                "for the book window, right-click it for the main menu. A book file named\n"
                "here is opened at start.\n\n"
                "  huevella --pick      pick a colour from anywhere on the screen: the\n"
                "                       pointer becomes the eyedropper; click, Enter or\n"
                "                       Space takes the colour under it (the arrow keys move\n"
                "                       a pixel, ten with Shift), Escape or a right click\n"
                "                       cancels. The code goes to the clipboard and to\n"
                "                       standard output; the exit status is 0 when a colour\n"
                "                       was taken, 1 when not, 2 for a wrong command line.\n"
                "                       The running Huevella picks; with none running, one\n"
                "                       starts and stays in the tray. Bind it to a key.\n"
                "  --format FORM        the code's form: hex (the default, 1E90FF), #hex,\n"
                "                       rgb, hsl (CSS Color 4) or oklch\n"
                "  huevella --help      this text\n"
                "  huevella --version   the version\n");
}

// --pick and its --format, read before anything else.
struct PickOptions {
    bool wanted = false;
    std::string form = "hex";
};

// Reads --pick and --format FORM (or --format=FORM) out of the arguments,
// leaving the rest for the toolkit. False on a usage mistake, said.
bool readPickOptions(std::vector<char*>& arguments, PickOptions& pick) {
    bool formatGiven = false;
    for (std::size_t i = 1; i < arguments.size();) {
        const std::string_view argument = arguments[i];
        if (argument == "--pick") {
            pick.wanted = true;
        } else if (argument == "--format" || argument.starts_with("--format=")) {
            if (argument == "--format") {
                if (i + 1 >= arguments.size()) {
                    std::fprintf(stderr, "huevella: --format needs a form: hex, #hex, rgb, hsl "
                                         "or oklch\n");
                    return false;
                }
                pick.form = arguments[i + 1];
                arguments.erase(arguments.begin() + std::ptrdiff_t(i));
            } else {
                pick.form = std::string(argument.substr(9));
            }
            formatGiven = true;
        } else {
            ++i;
            continue;
        }
        arguments.erase(arguments.begin() + std::ptrdiff_t(i));
    }
    if (formatGiven && !codeFormNamed(pick.form)) {
        std::fprintf(stderr, "huevella: '%s' is not a format: hex, #hex, rgb, hsl or oklch\n",
                     pick.form.c_str());
        return false;
    }
    if (formatGiven && !pick.wanted) {
        std::fprintf(stderr, "huevella: --format goes with --pick\n");
        return false;
    }
    if (pick.wanted && arguments.size() > 1) {
        std::fprintf(stderr, "huevella: --pick takes no book or other argument ('%s')\n",
                     arguments[1]);
        return false;
    }
    return true;
}

// The program a --pick starts lives on in the tray after the command has
// ended: it keeps nothing of the caller's that the caller's own readers
// wait on (a pipe left open would keep `$(huevella --pick)` waiting for
// ever), nor the caller's terminal.
void detachFromCaller() {
    ::setsid();
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0) return;
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    struct stat error {};
    if (::fstat(STDERR_FILENO, &error) == 0 && S_ISFIFO(error.st_mode)) ::dup2(null, STDERR_FILENO);
    ::close(null);
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

// --pick, decided before any thread is made (this start may fork): handed
// to the running program, or this start forks and the child becomes the
// program. The caller's side ends with the pick's status; the program's
// side goes on (nothing returned) with the claim and its end of the
// connection.
std::optional<int> beginPick(SingleInstance& single, const std::string& form,
                             std::optional<SingleInstance::Claim>& claim, int& peer) {
    claim = single.claim();
    if (*claim == SingleInstance::Claim::Elsewhere) {
        std::string why;
        const int fd = single.handOverPick(form, why);
        if (fd < 0) {
            std::fprintf(stderr, "huevella: %s\n", why.c_str());
            return 1;
        }
        return awaitPickAnswer(fd, 3000, why);
    }
    // None runs: the program starts in a process of its own, which stays,
    // and this one waits for its answer.
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        std::perror("huevella: socketpair");
        return 1;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("huevella: fork");
        return 1;
    }
    if (child > 0) {
        ::close(pair[1]);
        single.letGo();
        return awaitPickAnswer(pair[0], -1, {});
    }
    ::close(pair[0]);
    single.markHolder();
    detachFromCaller();
    peer = pair[1];
    return std::nullopt;
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
    PickOptions pick;
    if (!readPickOptions(arguments, pick)) return 2;
    SingleInstance single;
    std::optional<SingleInstance::Claim> claim;
    // The pick's own connection, in the program this start becomes.
    int pickPeer = -1;
    if (pick.wanted)
        if (const std::optional<int> ended = beginPick(single, pick.form, claim, pickPeer))
            return *ended;
    if (stayOnX11(argc, argv)) {
        static char platform[] = "-platform", xcb[] = "xcb";
        arguments.insert(arguments.begin() + 1, {platform, xcb});
    }
    arguments.push_back(nullptr);
    int count = int(arguments.size()) - 1;
    HuevellaQtApplication qtApp(count, arguments.data());
    // The windows speak the desktop's language; what goes to standard
    // output and error stays English, for the scripts that read it.
    useLanguage(desktopLanguages());
    reportIgnored();
    if (onNativeWayland())
        std::fputs("huevella: running as a native Wayland client, where a program cannot place "
                   "its windows or read the screen: the companion windows go where the desktop "
                   "puts them, not docked to the book, and the eyedropper hands over to the "
                   "desktop's own colour picker, without a magnifier. Without "
                   "QT_QPA_PLATFORM=wayland Huevella runs on Xwayland, where both work.\n",
                   stderr);
    if (!claim) claim = single.claim();
    if (claim == SingleInstance::Claim::Elsewhere) {
        // Another Huevella has this desktop: it comes out, or opens the
        // book, instead.
        std::string why;
        if (single.handOver(namedBook(), why)) return 0;
        std::fprintf(stderr, "huevella: %s\n", why.c_str());
        return 1;
    }
    TApplication application;
    std::unique_ptr<PickRequests> picks;
    status = RunProgram(application, [&] {
        application.Initialize();
        application.setTitle("Huevella");
        CreateWindowSet();
        RevealWithoutTray();
        WatchBookAtSessionEnd();
        // Every kept copy is offered, whatever book this start opened.
        frmHuevella->offerRecovery();
        picks = std::make_unique<PickRequests>(
            [](CodeForm form, std::function<void(const PickOutcome&)> done) {
                frmScreenPicker->pickFromScreen(form, std::move(done));
            },
            [] {
                if (frmScreenPicker) frmScreenPicker->cancelScreenPick();
            },
            questionIsOpen);
        if (pickPeer >= 0) picks->add(pickPeer, pick.form);
        single.listenForPicks([&picks](int fd, const std::string& form) { picks->add(fd, form); });
        if (claim == SingleInstance::Claim::Ours)
            single.listen(
                [](const std::optional<std::string>& book, int dropped) {
                    if (frmHuevella)
                        safeCall([&] { frmHuevella->openFromLauncher(book, dropped); });
                },
                questionIsOpen);
    });
    watchSessionEnd({});
    // Callers still waiting hear that the program ended.
    picks.reset();
    DestroyWindowSet();
    // The desktop's services (D-Bus among them) go while Qt still runs:
    // after it, their threads are gone and their clean-up would wait forever.
    installDesktop(nullptr);
    return status;
}
