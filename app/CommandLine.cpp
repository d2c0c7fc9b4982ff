#include "app/CommandLine.h"

#include "app/PickRequest.h"
#include "core/book/BookFile.h"
#include "platform/forms/Application.h"

#include <cstdio>
#include <string_view>

#include <unistd.h>

namespace {
void usage() {
    std::printf("Usage: huevella [BOOK.hvz]\n"
                "       huevella --pick [--format hex|#hex|rgb|hsl|oklch]\n\n"
                "Huevella collects, adjusts and stores colours with their codes. It starts\n"
                "into the system tray: double-click its icon (a single click on most panels)\n"
                "for the book window, right-click it for the main menu. Run again while it\n"
                "runs, huevella brings the book window out and gives it the keyboard, the\n"
                "way to it without a mouse. A book file named here is opened at start (in\n"
                "the running Huevella, if one runs).\n\n"
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
} // namespace

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

bool answered(int argc, char** argv, const char* version, int& status) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            usage();
            status = std::fflush(stdout) == 0 ? 0 : 1;
            return true;
        }
        if (argument == "--version") {
            std::printf("huevella %s\n", version);
            status = std::fflush(stdout) == 0 ? 0 : 1;
            return true;
        }
    }
    return false;
}

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
