#pragma once

#include <optional>
#include <string>

// A book the program could not ask about before it ended (the session
// ended, a signal, the display lost) is kept as a recovery copy in
// $XDG_STATE_HOME/huevella/ (~/.local/state/huevella/), with the name of the
// file it came from, and offered at the next start.
struct RecoveryCopy {
    std::string text; // the book file's text
    std::string name; // the file it was opened from or saved to; empty: never saved
};

std::string recoveryFolder();
// Written atomically and flushed to the disk; returns why not, or nothing.
std::string keepRecoveryCopy(const RecoveryCopy& copy);
std::optional<RecoveryCopy> findRecoveryCopy();
// The copy itself, to open as a book.
std::string recoveryBookPath();
void discardRecoveryCopy();
