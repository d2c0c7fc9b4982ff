#include "app/WindowSet.h"
#include "platform/Application.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

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
        if (i == 1 && argument.ends_with(".hvz")) continue;
        std::fprintf(stderr,
                     "huevella: '%s' ignored: only a book file (.hvz) can be named, "
                     "first; see huevella --help\n",
                     argument.c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    if (answered(argc, argv, status)) return status;
    HuevellaQtApplication qtApp(argc, argv);
    reportIgnored();
    TApplication application;
    try {
        application.Initialize();
        application.setTitle("Huevella");
        CreateWindowSet();
        RevealWithoutTray();
        application.Run();
    } catch (const std::exception& error) {
        application.ShowException(error);
    }
    DestroyWindowSet();
    return 0;
}
