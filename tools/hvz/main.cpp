// hvz: Huevella's colour conversions on the command line.

#include "BookCommands.h"
#include "ColourCommands.h"
#include "ExchangeCommands.h"
#include "LineReader.h"
#include "core/colour/CodeFormat.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef HVZ_VERSION
#define HVZ_VERSION "dev"
#endif

namespace {

void usage(std::FILE* out) {
    std::fprintf(out, "Usage: hvz COMMAND [OPERANDS]\n\n"
                      "Colour conversions of Huevella, exact to the bit.\n\n"
                      "Commands:\n");
    for (const ColourCommand& c : colourCommands())
        std::fprintf(out, "  %-4s %-6s %s\n         e.g. %s\n", c.name, c.operands, c.summary,
                     c.example);
    std::fprintf(out, "  hsl, rgb and hex with --css write CSS Color 4 text instead:\n"
                      "         e.g. hvz rgb 51 102 204 --css -> hsl(220 60%% 50%%)\n"
                      "  With --oklch, hex writes CSS's oklch() of the code:\n"
                      "         e.g. hvz hex ff0000 --oklch   -> oklch(62.8%% 0.2577 29.23)\n"
                      "  With --format FORM, hex writes the code in any form a pick gives\n"
                      "  (hex, #hex, rgb, hsl, oklch, lab, lch, oklab, hwb) or a template:\n"
                      "  {r} {g} {b}, {hex} {HEX}, {h} {s} {l}, {rf} {gf} {bf} (0 to 1), {{ }}\n"
                      "         e.g. hvz hex 1e90ff --format lab -> lab(58.36 0.89 -64.78)\n"
                      "              hvz hex 1e90ff --format '{rf} {gf} {bf}'\n"
                      "  With --css, rgb gives CSS's hsl() with the decimals a browser needs to\n"
                      "  give the colour back, and hsl the code of Huevella's own conversion\n"
                      "  (hvz hsl 50 50 180 --css -> #3FBFBF, where CSS's hsl(180 50%% 50%%)\n"
                      "  is #40BFBF).\n");
    std::fprintf(out, "  Mind the orders: hsl takes luminance first and hue last (L S H),\n"
                      "  while rgb prints hue first and luminance last (H S L). Scripts rely\n"
                      "  on both.\n");
    std::fprintf(out,
                 "  show FILE [--format css|json|gpl]\n"
                 "               a book file as text: each card's title, each slot's code and\n"
                 "               colour; with --format, what export writes, to standard output\n"
                 "         e.g. hvz show colours.hvz --format json | jq .\n"
                 "  check FILE   whether a file holds a book (exit 0), or what is wrong and\n"
                 "               where (exit 1)\n"
                 "         e.g. hvz check colours.hvz -> colours.hvz: a book of 2 cards\n"
                 "  export --format gpl|ase|css|json BOOK [-o FILE] [--force]\n"
                 "               the book's colours for GIMP, Inkscape and Krita (gpl), Adobe\n"
                 "               tools (ase), a style sheet (css) or scripts (json); standard\n"
                 "               output unless -o names a file; --force replaces an existing\n"
                 "               file (never the book being read)\n"
                 "         e.g. hvz export --format gpl colours.hvz -o colours.gpl\n"
                 "  import PALETTE.gpl -o BOOK.hvz [--force]\n"
                 "               a GIMP palette as a book, three colours a card; --force\n"
                 "               replaces an existing book\n"
                 "         e.g. hvz import sunset.gpl -o sunset.hvz\n");
    std::fprintf(out, "\nWithout operands a command reads one operand set per line from standard\n"
                      "input and writes one result line per input line, for example\n"
                      "  seq 0 100 | awk '{print 50, 100, $1}' | hvz hsl\n"
                      "A line it cannot convert is reported with its number on standard error;\n"
                      "the others go on, and the exit status is then 1.\n\n"
                      "  hvz --help      this text\n"
                      "  hvz --version   the version\n");
}

std::string operandCountMessage(const ColourCommand& c, std::size_t got) {
    // Appended, not "'" + string: GCC 12 at -O3 warns falsely on the latter
    // (-Wrestrict, GCC bug 105329).
    return std::string("'").append(c.name) + "' takes " + std::to_string(c.operandCount) +
           (c.operandCount == 1 ? " operand (" : " operands (") + c.operands + "), not " +
           std::to_string(got);
}

void split(std::string_view line, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
}

// A pipe of a megabyte each way instead of the usual 64 KiB: the program
// before and the one after work on longer runs between turns. Where the
// system says no, the pipe stays as it is.
void widenPipe(int fd) {
    struct stat about;
    if (fstat(fd, &about) == 0 && S_ISFIFO(about.st_mode)) fcntl(fd, F_SETPIPE_SZ, 1 << 20);
}

int runStream(const ColourCommand& command) {
    widenPipe(STDIN_FILENO);
    widenPipe(STDOUT_FILENO);
    LineReader reader(stdin);
    BlockWriter writer(stdout);
    std::vector<std::string_view> words;
    std::string error;
    bool failed = false;
    std::string_view line;
    // HVZ_GENERAL_READER=1 takes every line the general way, so that the
    // two can be held against each other.
    const char* general = std::getenv("HVZ_GENERAL_READER");
    const bool quick = command.quick && !cssOutput() && !(general && *general == '1');
    for (;;) {
        // Runs of common lines at a time; the first line they leave goes
        // the general way, with its number.
        if (quick) {
            const std::string_view lines = reader.wholeLines();
            if (!lines.empty()) {
                char* out = writer.room(lines.size() * ColourCommand::QuickRoom);
                const ColourCommand::Quick done = command.quick(lines, out, LineReader::MaxLine);
                writer.wrote(done.written);
                reader.consume(done.taken, done.lines);
                if (done.taken == lines.size()) continue;
            }
        }
        const LineReader::Result got = reader.next(line);
        if (got == LineReader::End) break;
        bool ok;
        if (got == LineReader::TooLong) {
            error =
                "the line is longer than " + std::to_string(LineReader::MaxLine) + " characters";
            ok = false;
        } else {
            split(line, words);
            ok = words.size() == std::size_t(command.operandCount);
            if (!ok)
                error = operandCountMessage(command, words.size());
            else
                ok = command.convert(words, writer.text(), error);
        }
        if (!ok) {
            writer.flush();
            std::fflush(stdout);
            tell("hvz: line %ld: %s\n", reader.lineNumber(), error.c_str());
            failed = true;
        }
        writer.maybeFlush();
        // Nobody reads any more: the rest would be converted for nothing.
        if (std::ferror(stdout)) break;
    }
    if (const int error = reader.readError()) {
        writer.flush();
        std::fflush(stdout);
        std::string reason = std::strerror(error);
        if (!reason.empty()) reason[0] = char(std::tolower(static_cast<unsigned char>(reason[0])));
        tell("hvz: cannot read the input: %s\n", reason.c_str());
        return 1;
    }
    return failed ? 1 : 0;
}

} // namespace

// What was written must have reached standard output: a full disk or a
// closed pipe is a failure, not a success.
int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::string reason = std::strerror(errno);
        if (!reason.empty()) reason[0] = char(std::tolower(static_cast<unsigned char>(reason[0])));
        tell("hvz: cannot write the output: %s\n", reason.c_str());
        return 1;
    }
    return status;
}

int run(int argc, char** argv) {
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        usage(stdout);
        return 0;
    }
    if (name == "--version") {
        std::printf("hvz %s\n", HVZ_VERSION);
        return 0;
    }
    if (name == "show" && std::any_of(argv + 2, argv + argc, [](const char* a) {
            return std::string_view(a).starts_with("--format") || std::string_view(a) == "-f";
        }))
        return showBookAs(argc, argv);
    if (name == "show" || name == "check") {
        if (argc != 3) {
            tell("hvz: '%s' takes one operand (FILE)\n", argv[1]);
            return 2;
        }
        return name == "show" ? showBook(argv[2], stdout, stderr)
                              : checkBook(argv[2], stdout, stderr);
    }
    if (name == "export") return exportBook(argc, argv);
    if (name == "import") return importPalette(argc, argv);
    // --css anywhere after hsl, rgb or hex: CSS Color 4 text.
    if (name == "hsl" || name == "rgb" || name == "hex") {
        const auto end = std::remove_if(
            argv + 2, argv + argc, [](const char* a) { return std::string_view(a) == "--css"; });
        if (end != argv + argc) {
            setCssOutput(true);
            argc = int(end - argv);
        }
    }
    // --apca after contrast: APCA's Lc for WCAG's ratio.
    if (name == "contrast") {
        const auto end = std::remove_if(
            argv + 2, argv + argc, [](const char* a) { return std::string_view(a) == "--apca"; });
        if (end != argv + argc) {
            if (std::find_if(argv + 2, end,
                             [](const char* a) { return std::string_view(a) == "--min"; }) != end) {
                tell("hvz: --min takes a WCAG 2 ratio and does not go with --apca\n");
                return 2;
            }
            setApcaOutput(true);
            argc = int(end - argv);
        }
    }
    // --format FORM after hex: any form a pick gives, or a template.
    if (name == "hex") {
        for (int i = 2; i < argc; ++i) {
            if (std::string_view(argv[i]) != "--format") continue;
            std::string why;
            const auto format = i + 1 < argc ? codeFormatNamed(argv[i + 1], why) : std::nullopt;
            if (!format) {
                tell("hvz: %s\n", i + 1 < argc ? why.c_str() : "--format needs a form");
                return 2;
            }
            setFormatOutput(*format);
            std::copy(argv + i + 2, argv + argc, argv + i);
            argc -= 2;
            break;
        }
    }
    // --oklch after hex: CSS's oklch().
    if (name == "hex") {
        const auto end = std::remove_if(
            argv + 2, argv + argc, [](const char* a) { return std::string_view(a) == "--oklch"; });
        if (end != argv + argc) {
            setOklchOutput(true);
            argc = int(end - argv);
        }
    }
    const ColourCommand* command = findColourCommand(name);
    if (!command) {
        tell("hvz: unknown command '%s'; see hvz --help\n", argv[1]);
        return 2;
    }
    if (argc == 2) return runStream(*command);
    // A gate for scripts: hvz contrast A B --min RATIO.
    if (name == "contrast" && argc == 6 && std::string_view(argv[4]) == "--min") {
        int minimum = 0, ratio = 0;
        std::string error;
        if (!parseMinimumRatio(argv[5], minimum)) {
            tell("hvz: '%s' is not a contrast ratio from 1 to 21\n", argv[5]);
            return 2;
        }
        if (!contrastOfCodes(argv[2], argv[3], ratio, error)) {
            tell("hvz: %s\n", error.c_str());
            return 2;
        }
        std::string out;
        std::vector<std::string_view> pair{argv[2], argv[3]};
        command->convert(pair, out, error);
        std::fputs(out.c_str(), stdout);
        return ratio >= minimum ? 0 : 1;
    }

    std::vector<std::string_view> operands(argv + 2, argv + argc);
    std::string out, error;
    if (operands.size() != std::size_t(command->operandCount)) {
        tell("hvz: %s\n", operandCountMessage(*command, operands.size()).c_str());
        return 2;
    }
    if (!command->convert(operands, out, error)) {
        tell("hvz: %s\n", error.c_str());
        return 1;
    }
    std::fputs(out.c_str(), stdout);
    return 0;
}

int main(int argc, char** argv) {
    // A reader that goes away (hvz ... | head) is a failed write, status 1
    // with its reason, not a death by SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    return finish(run(argc, argv));
}
