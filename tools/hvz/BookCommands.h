#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// hvz show FILE: the book as readable text. hvz check FILE: whether the file
// holds a book. Both read through the program's own reader; both return the
// exit status.
int showBook(const std::string& path, std::FILE* out, std::FILE* err);
int checkBook(const std::string& path, std::FILE* out, std::FILE* err);

// Text as a terminal may safely show it: a control character (C0, DEL, or
// C1 in UTF-8) written as an escape, so that nothing in a book, a file name
// or a line read can retitle, clear or drive the terminal.
std::string shown(std::string_view text);
// A message on standard error, formatted as printf does, with everything
// but its line ends shown so.
[[gnu::format(printf, 1, 2)]] void tell(const char* format, ...);

// A file that a save of ours left cut short (it was stopped midway, the
// file unreadable) is put back as it was before that save, and said so.
void mendInterruptedSave(const std::string& path);
