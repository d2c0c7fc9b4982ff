#include "app/CommandLine.h"

#include "app/PickRequest.h"
#include "core/book/BookFile.h"
#include "core/colour/CodeFormat.h"
#include "platform/forms/Application.h"

#include <cstdio>
#include <string_view>

#include <unistd.h>

namespace {
void usage() {
    std::printf("Usage: huevella [BOOK.hvz]\n"
                "       huevella --pick [--format FORM] [--average 1|3|5|7]\n"
                "                       [--multiple]\n"
                "       huevella --recent [--format FORM]\n\n"
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
                "                       rgb, hsl, oklch, lab, lch, oklab or hwb (CSS Color\n"
                "                       4), or a template: {r} {g} {b} (0-255), {hex} {HEX},\n"
                "                       {h} {s} {l} (hsl()'s numbers), {rf} {gf} {bf} (0-1,\n"
                "                       four decimals), {{ and }} for braces, e.g.\n"
                "                       --format '{r}, {g}, {b}'\n"
                "  --average N          the colour is the average of the N x N pixels\n"
                "                       around the pointer: 1 (the pixel alone), 3, 5 or 7;\n"
                "                       kept for later picks. While picking, the keys 1, 3,\n"
                "                       5 and 7 choose it, and the wheel or + and - change\n"
                "                       the enlargement (2, 4, 6, 8 or 16 times)\n"
                "  --multiple           several picks in one go: Shift with a click or\n"
                "                       Enter takes a colour and picking goes on, the\n"
                "                       colours filling the swatch card's slots 1, 2, 3 in\n"
                "                       turn; each code is printed on its own line as it is\n"
                "                       taken. A plain click or Enter takes the last one,\n"
                "                       Escape ends; the status is 0 if any was taken\n"
                "  huevella --recent    the last 12 colours taken (by the eyedropper, a pick,\n"
                "                       the palette or the schemes), newest first, a line\n"
                "                       each, in the --format given; no program is started.\n"
                "                       They are kept in $XDG_STATE_HOME/huevella/recent and\n"
                "                       listed under Recent Colours in the main menu\n"
                "  huevella --help      this text\n"
                "  huevella --version   the version\n");
}
} // namespace

std::string PickOptions::request() const {
    std::string words = form;
    if (average) words += "\taverage=" + std::to_string(average);
    if (multiple) words += "\tmultiple";
    return words;
}

namespace {
// The value of --name VALUE or --name=VALUE at i, taken out with it; false
// when it has none.
bool optionValue(std::vector<char*>& arguments, std::size_t i, std::string_view name,
                 std::string& value) {
    const std::string_view argument = arguments[i];
    if (argument != name) {
        value = std::string(argument.substr(name.size() + 1));
        return true;
    }
    if (i + 1 >= arguments.size()) return false;
    value = arguments[i + 1];
    arguments.erase(arguments.begin() + std::ptrdiff_t(i));
    return true;
}

bool startsOption(std::string_view argument, std::string_view name) {
    return argument == name || (argument.starts_with(name) && argument.size() > name.size() &&
                                argument[name.size()] == '=');
}
} // namespace

bool readPickOptions(std::vector<char*>& arguments, PickOptions& pick) {
    bool formatGiven = false;
    bool averageGiven = false;
    bool multipleGiven = false;
    for (std::size_t i = 1; i < arguments.size();) {
        const std::string_view argument = arguments[i];
        if (argument == "--pick") {
            pick.wanted = true;
        } else if (argument == "--recent") {
            pick.recent = true;
        } else if (argument == "--multiple") {
            pick.multiple = true;
            multipleGiven = true;
        } else if (startsOption(argument, "--format")) {
            if (!optionValue(arguments, i, "--format", pick.form)) {
                std::fprintf(stderr, "huevella: --format needs a form: %s, or a template\n",
                             codeFormWords().c_str());
                return false;
            }
            formatGiven = true;
        } else if (startsOption(argument, "--average")) {
            std::string size;
            if (!optionValue(arguments, i, "--average", size) ||
                (size != "1" && size != "3" && size != "5" && size != "7")) {
                std::fprintf(stderr, "huevella: --average takes 1, 3, 5 or 7%s%s%s\n",
                             size.empty() ? "" : " ('", size.c_str(), size.empty() ? "" : "')");
                return false;
            }
            pick.average = size[0] - '0';
            averageGiven = true;
        } else {
            ++i;
            continue;
        }
        arguments.erase(arguments.begin() + std::ptrdiff_t(i));
    }
    std::string why;
    if (formatGiven && !codeFormatNamed(pick.form, why)) {
        std::fprintf(stderr, "huevella: %s\n", why.c_str());
        return false;
    }
    // The request is a line, its options after tabs.
    if (pick.form.find_first_of("\t\n") != std::string::npos) {
        std::fprintf(stderr, "huevella: a --format template holds no tab or line break\n");
        return false;
    }
    if (pick.recent && (pick.wanted || averageGiven || multipleGiven || arguments.size() > 1)) {
        std::fprintf(stderr, "huevella: --recent takes only --format\n");
        return false;
    }
    if (((formatGiven && !pick.recent) || averageGiven || multipleGiven) && !pick.wanted) {
        std::fprintf(stderr, "huevella: %s goes with --pick\n",
                     formatGiven    ? "--format"
                     : averageGiven ? "--average"
                                    : "--multiple");
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
