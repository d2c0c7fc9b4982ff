#pragma once

#include <optional>
#include <string>
#include <vector>

// --pick and its --format, read before anything else.
struct PickOptions {
    bool wanted = false;
    std::string form = "hex";
    // The square averaged, 1, 3, 5 or 7 pixels wide; 0: the one last chosen.
    int average = 0;
    // Several picks in one go, each code printed as it is taken.
    bool multiple = false;
    // The recent colours printed, no program started.
    bool recent = false;
    // The request as the picking program reads it: the form's word, then
    // any option ("hex average=5").
    std::string request() const;
};

// Reads --pick, --format FORM (or --format=FORM) and --average N out of the arguments,
// leaving the rest for the toolkit. False on a usage mistake, said.
bool readPickOptions(std::vector<char*>& arguments, PickOptions& pick);
// Answers --help and --version before anything needs a display.
bool answered(int argc, char** argv, const char* version, int& status);
// Only a book named first is opened; say so of anything else.
void reportIgnored();
// The book named first, as a path that does not depend on this start's
// folder: a running program may open it from its own.
std::optional<std::string> namedBook();
