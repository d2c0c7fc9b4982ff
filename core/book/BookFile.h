#pragma once

#include "core/book/BookState.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The book file: the card count less one, then seven lines a card (three
// colours in decimal, three captions with "space" for an empty slot, the
// title). Lines end in CR LF; the final line end is the writer's choice.

// Larger files are refused unread: ten cards never come near this.
inline constexpr std::size_t MaxBookFileSize = 64 * 1024;

std::string formatBook(const BookState& book, bool finalLineEnd);
// Whether a file name is a book's: it ends in .hvz, in any case, as the
// desktop's file type has it.
bool namesABook(std::string_view name);
// The name without its book extension, where it has one.
std::string withoutBookExtension(std::string name);

struct BookContents {
    std::array<Huevella, BookState::Capacity> cards;
    int lastCard = -1;
};

struct BookReadResult {
    bool ok = false;
    // The first problem, e.g. "line 9: a colour number was expected".
    std::string problem;
    BookContents contents;
};

// Checks the whole text before anything is taken from it.
BookReadResult parseBook(std::string_view text);
// Reads and parses a file; a file that cannot be read, is not a regular
// file, or is larger than MaxBookFileSize, is a problem like any other,
// reported at once.
BookReadResult readBookFile(const std::string& path);

// Reads a regular file of at most `limit` bytes into `text`; returns why it
// could not, or nothing. Never blocks on a pipe.
std::string readSmallFile(const std::string& path, std::size_t limit, std::string& text);

// What a file on disk is now, to tell whether another program changed it
// since we read or wrote it.
struct FileStamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0, size = 0;
    long long seconds = 0, nanoseconds = 0; // of the last change to its contents
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const std::string& path);
// The folder a path names a file in: "." for a bare name.
std::string folderOf(const std::string& path);
// Makes a rename in the folder last through a crash (best effort).
void syncFolder(const std::string& folder);

// What saveBookFile returns when the file is no longer as `unchangedSince`
// says: another program changed it, and nothing was written.
inline constexpr std::string_view ChangedMeanwhile = "another program changed it meanwhile";
// What it returns when the file checked was replaced (by a link, another
// file) before it could be written: nothing was written.
inline constexpr std::string_view ReplacedMeanwhile =
    "it was replaced by another file while it was being saved, and was not written";

// Writes a book's text to a file so that a failure of any kind leaves the
// file that was there as it was. Returns why it failed, or nothing.
// The new file is written beside the old and renamed over it, with the old
// one's group and permissions; where that cannot be (a folder that allows
// no new file, a sticky folder, another user's book) the old one is
// rewritten in place, and stays its owner's. Programs saving one file take
// turns; with `unchangedSince`, a file changed since is not written. A
// `privateFile` is left readable by the user alone, whatever it was.
std::string saveBookFile(const std::string& path, std::string_view text,
                         const FileStamp* unchangedSince = nullptr, bool privateFile = false);

// Reasons as the messages give them: "no such file or directory".
std::string errnoReason(int error);
// "it is a directory", "it is not a regular file", or nothing.
std::string notARegularFile(const struct stat& status);
