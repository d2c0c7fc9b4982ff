#include "ExchangeCommands.h"

#include "BookCommands.h"

#include "core/book/BookExport.h"
#include "core/book/BookFile.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Options {
    std::optional<std::string> format, output;
    bool force = false;
    std::vector<std::string> operands;
};

// Options anywhere among the operands; false (and a message) on a mistake.
bool parse(int argc, char** argv, bool allowForce, Options& o) {
    for (int i = 2; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (a == "--format" || a == "-f") {
            if (!value(o.format)) return false;
        } else if (a.starts_with("--format=")) {
            o.format = std::string(a.substr(9));
        } else if (a == "-o" || a == "--output") {
            if (!value(o.output)) return false;
        } else if (a == "--force" && allowForce) {
            o.force = true;
        } else if (a.size() > 1 && a.front() == '-') {
            return false;
        } else {
            o.operands.emplace_back(a);
        }
    }
    return o.operands.size() == 1;
}

std::string bookName(const std::string& path) {
    std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    name = withoutBookExtension(name);
    return name;
}

int written(const std::optional<std::string>& output, const std::string& bytes) {
    if (output) {
        mendInterruptedSave(*output);
        const std::string problem = saveBookFile(*output, bytes);
        if (problem.empty()) return 0;
        tell("hvz: %s: %s\n", output->c_str(), problem.c_str());
        return 1;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return 0;
}

// An output file that is there already is replaced only when asked to,
// and never when it is the very file being read (through a link or
// another name too): that would lose what is being converted.
bool outputRefused(const Options& o, const std::string& input) {
    if (!o.output) return false;
    struct stat out {
    }, in{};
    if (::stat(o.output->c_str(), &out) != 0) return false;
    if (::stat(input.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino) {
        tell("hvz: %s is the file being read; it is not written over\n", o.output->c_str());
        return true;
    }
    if (o.force) return false;
    tell("hvz: %s exists; --force replaces it\n", o.output->c_str());
    return true;
}

} // namespace

int exportBook(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, true, o) || !o.format) {
        tell("hvz: 'export' takes --format gpl|ase|css|json, a BOOK and "
             "optionally -o FILE (and --force to replace a file)\n");
        return 2;
    }
    const std::string& format = *o.format;
    if (format != "gpl" && format != "ase" && format != "css" && format != "json") {
        tell("hvz: unknown format '%s': gpl, ase, css or json\n", format.c_str());
        return 2;
    }
    if (format == "ase" && !o.output && isatty(STDOUT_FILENO)) {
        tell("hvz: the ase format is binary: name a file with -o, or redirect "
             "the output\n");
        return 1;
    }
    const std::string& path = o.operands[0];
    if (outputRefused(o, path)) return 1;
    mendInterruptedSave(path);
    const BookReadResult read = readBookFile(path);
    if (!read.ok) {
        tell("hvz: %s: %s\n", path.c_str(), read.problem.c_str());
        return 1;
    }
    const std::string name = bookName(path);
    const std::string bytes = format == "gpl"   ? toGimpPalette(read.contents, name)
                              : format == "ase" ? toAse(read.contents)
                              : format == "css" ? toCss(read.contents)
                                                : toJson(read.contents, name);
    return written(o.output, bytes);
}

int showBookAs(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, false, o) || !o.format || o.output ||
        (*o.format != "gpl" && *o.format != "css" && *o.format != "json")) {
        tell("hvz: 'show' takes a BOOK and optionally --format css|json|gpl\n");
        return 2;
    }
    const std::string& path = o.operands[0];
    mendInterruptedSave(path);
    const BookReadResult read = readBookFile(path);
    if (!read.ok) {
        tell("hvz: %s: %s\n", path.c_str(), read.problem.c_str());
        return 1;
    }
    const std::string& format = *o.format;
    return written(std::nullopt, format == "gpl"   ? toGimpPalette(read.contents, bookName(path))
                                 : format == "css" ? toCss(read.contents)
                                                   : toJson(read.contents, bookName(path)));
}

int importPalette(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, true, o) || !o.output) {
        tell("hvz: 'import' takes a PALETTE.gpl and -o BOOK.hvz (and --force to "
             "replace a book)\n");
        return 2;
    }
    const std::string& path = o.operands[0];
    const PaletteImport palette = readGimpPaletteFile(path);
    if (!palette.ok) {
        tell("hvz: %s: %s\n", path.c_str(), palette.problem.c_str());
        return 1;
    }
    if (outputRefused(o, path)) return 1;
    if (palette.left > 0) tell("hvz: %s: %s\n", path.c_str(), leftOutMessage(palette).c_str());
    BookState book;
    book.cards = palette.contents.cards;
    book.lastCard = palette.contents.lastCard;
    return written(o.output, formatBook(book, true));
}
