#pragma once

#include <QString>

#include <string>

// What the book's files said went wrong ("line 3: a colour number was
// expected"), in the language the windows speak. The file layer writes
// its reasons in English for the command-line tool; the windows translate
// them here, piece by piece, numbers and names kept. A reason not known
// here (the system's own, for one) is shown as it came.
QString localProblem(const std::string& problem);
