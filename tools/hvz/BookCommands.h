#pragma once

#include <cstdio>
#include <string>

// hvz show FILE: the book as readable text. hvz check FILE: whether the file
// holds a book. Both read through the program's own reader; both return the
// exit status.
int showBook(const std::string& path, std::FILE* out, std::FILE* err);
int checkBook(const std::string& path, std::FILE* out, std::FILE* err);
