#pragma once

#include "core/colour/TColor.h"

// The colours taken last, kept across starts: each colour any road takes
// is added, and the book's menu lists them.
void RememberColour(TColor colour);
// Read at start into the book's menu; an unreadable file is set aside and
// said.
void ShowRecentColours();
// `huevella --recent`: the colours in the form's words, a line each, or
// why not; the exit status.
int PrintRecentColours(const char* formWord);
