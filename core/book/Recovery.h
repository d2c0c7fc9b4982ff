#pragma once

#include "core/book/BookFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A book the program could not ask about before it ended (the session
// ended, a signal, the display lost) is kept as a recovery copy and offered
// at the next start. Each program keeps its own copy, one file holding the
// book and the name of the file it came from, written whole or not at all:
// two programs ending together never mix their books or write over each
// other's. Copies live in $XDG_STATE_HOME/huevella/ (~/.local/state/huevella/),
// or, where that cannot be written, in the runtime folder, or at last beside
// the book itself, hidden (".a.hvz.unsaved-….recovery"), found again when
// that book is opened at a start.
struct RecoveryCopy {
    std::string text; // the book file's text
    std::string name; // the file it was opened from or saved to; empty: never saved
    std::string path; // where the copy is kept (of a copy found)
    // The file `name` as the program last read or wrote it, when it knew:
    // a save over a file changed since asks first.
    std::optional<FileStamp> stamp = std::nullopt;
};

// The folders copies are kept in, in the order tried; each only where it is
// the user's own and no one else may write to it.
std::vector<std::string> recoveryPlaces();
// Makes the folder private to the user, or says why it cannot be used:
// another user's, a link, open to others.
std::string privateFolder(const std::string& path);

std::string recoveryFolder();
// This program's copy, where a keep would write it first.
std::string ownRecoveryPath();
// Writes this program's copy, replacing its earlier one; returns why no
// place could hold it, or nothing.
std::string keepRecoveryCopy(const RecoveryCopy& copy);
// Every copy kept, by any program but this one, newest first, with those
// kept beside `book` where one is named. One that cannot be read as a copy
// comes with an empty text and its path.
std::vector<RecoveryCopy> findRecoveryCopies(const std::string& book = {});
// Whether a keep found no place at all: the program's end says so.
bool recoveryCopyLost();
void discardRecoveryCopy(const std::string& path);

// The copy's file: a line naming it, optionally a line with the stamp, the
// name's length, the name, the book.
std::string formatRecoveryCopy(const RecoveryCopy& copy);
bool parseRecoveryCopy(std::string_view file, RecoveryCopy& copy);
